#include "transfer/UnFTP.h"

TFormFTP* FormFTP = nullptr;

TFormFTP::TFormFTP(QWidget* parent) : QWidget(parent) {}
