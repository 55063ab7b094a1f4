#include "mailcheck/UnVerMail.h"

TForVerMail* ForVerMail = nullptr;

TForVerMail::TForVerMail(QWidget* parent) : QWidget(parent) {}
void ResetVerifierModuleState() {}
