#pragma once

#include "ui_FormVerMail.h"

#include <QWidget>

#include <cstdint>

// The verifier form: never shown. A click on its hidden button BitBVerMail judges the order form's
// e-mail address and leaves the verdict in MailValid and, for a fault, its message in LabMail.
class TForVerMail : public QWidget, public Ui::TForVerMail {
    Q_OBJECT
public:
    explicit TForVerMail(QWidget* parent = nullptr);

    void BitBVerMailClick(QObject* sender);
};

extern TForVerMail* ForVerMail;

// The working values of the last verification.
extern QString VerMailText;
extern std::int32_t VerMailCode;

void ResetVerifierModuleState();
