#include "transfer/UnFTP.h"

#include <stdexcept>

TFormFTP* FormFTP = nullptr;

TFormFTP::TFormFTP(QWidget* parent)
    : QWidget(parent), Button1(new QPushButton(this)), Button7(new QPushButton(this)),
      ftpAllDtHs(new QPlainTextEdit(this)), MemAllDtT(new QPlainTextEdit(this)) {}
void TFormFTP::Button1Click(QObject*) {
    throw std::runtime_error("Not Connected");
}
void TFormFTP::Button7Click(QObject*) {}
