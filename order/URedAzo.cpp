#include "order/URedAzo.h"

TFormOr* FormOr = nullptr;

TFormOr::TFormOr(QWidget* parent) : QWidget(parent) {}
void TFormOr::FormCreate(QObject*) {}
void ResetOrderModuleState() {}
