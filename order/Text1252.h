#pragma once

#include <QByteArray>
#include <QString>

// Code page 1252, the single-byte text of the order file and of the e-mail checks.

// A character the code page cannot hold becomes '?', as Windows writes it; the order form's edits
// refuse such characters, so in practice none arrive here.
QByteArray ToCp1252(const QString& text);
QString FromCp1252(const QByteArray& bytes);
bool IsCp1252Char(char32_t c);
