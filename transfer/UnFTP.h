#pragma once

#include <QWidget>

class TFormFTP : public QWidget {
    Q_OBJECT
public:
    explicit TFormFTP(QWidget* parent = nullptr);
};

extern TFormFTP* FormFTP;
