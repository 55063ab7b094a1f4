#pragma once

// Placeholder until the transfer form lands: the members the order form drives.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

class TFormFTP : public QWidget {
    Q_OBJECT
public:
    explicit TFormFTP(QWidget* parent = nullptr);
    void Button1Click(QObject* sender);
    void Button7Click(QObject* sender);
    QPushButton* Button1 = nullptr;
    QPushButton* Button7 = nullptr;
    QPlainTextEdit* ftpAllDtHs = nullptr;
    QPlainTextEdit* MemAllDtT = nullptr;
};

extern TFormFTP* FormFTP;
