#pragma once

#include <QWidget>

class TFormOr : public QWidget {
    Q_OBJECT
public:
    explicit TFormOr(QWidget* parent = nullptr);
    void FormCreate(QObject* sender);
};

extern TFormOr* FormOr;
void ResetOrderModuleState();
