#pragma once

#include <QValidator>

// Keeps an entry field to what the order record can carry: single-line text in code page 1252.
// A pasted line break or tab between two words becomes one blank, other control characters and
// characters that code page 1252 lacks are left out, so what the customer sees is what the record holds.
class EntryFilter : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// The filtering itself, for a whole text.
QString FilterEntryText(const QString& text);
