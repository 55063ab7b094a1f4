#pragma once

#include <QWidget>

class TForVerMail : public QWidget {
    Q_OBJECT
public:
    explicit TForVerMail(QWidget* parent = nullptr);
};

extern TForVerMail* ForVerMail;
void ResetVerifierModuleState();
