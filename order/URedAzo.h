#pragma once

#include "ui_FormOr.h"

#include <QWidget>

#include <cstdint>

class QLabel;

// The order form: the program's main window and the only one the customer sees. Its controls are public
// members named as in the form description (EdN1, LabMail, Button1, ...), because the other two forms use
// them by name.
class TFormOr : public QWidget, public Ui::TFormOr {
    Q_OBJECT
public:
    explicit TFormOr(QWidget* parent = nullptr);

    // Window
    void FormCreate(QObject* sender);
    void FormActivate(QObject* sender);
    // Returns whether the window may close.
    bool FormCloseQuery(QObject* sender);

    // Entry fields
    void EdN1Change(QObject* sender);
    void EdCgn1Change(QObject* sender);
    void EdMailChange(QObject* sender);
    void EdMail2Change(QObject* sender);
    void EdProdQRBChange(QObject* sender);

    // Products and the Word question
    void RadioBKestolaClick(QObject* sender);
    void RadioBPlumattoClick(QObject* sender);
    void RadioBVentaroClick(QObject* sender);
    void RadioBLomberkClick(QObject* sender);
    void RadioBTorvItaClick(QObject* sender);
    void RadioBTorvIngClick(QObject* sender);
    void RadioBTorvFraClick(QObject* sender);
    void RadioBTorvEspClick(QObject* sender);
    void RadioBDruvellaClick(QObject* sender);
    void RadioBTiborneClick(QObject* sender);
    void RadioBsiClick(QObject* sender);
    void RadioBnoClick(QObject* sender);

    // The code row
    void CheckBoxPrivClick(QObject* sender);
    void EdRisChange(QObject* sender);

    // Sending
    void Button1Click(QObject* sender);

    // The message label under the address: its text, also announced to screen readers.
    void SetLabMailText(const QString& text);

    // The radio button of each product, top to bottom, and the picture box of pictures 2 to 9.
    QRadioButton* ProductButton(int row) const;
    QLabel* PictureBox(int picture) const;

    // Holds the order file's name while a send runs (the save dialog is never shown).
    struct {
        QString FileName;
    } SaveDialog1;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ChooseProduct(int row);
    void AnswerWordQuestion(QCheckBox* answer);
    void RunFormActivateOnce();
    void SendOrder();
    void SendWhenFormComplete();
    void RefuseIncompleteForm();

    bool activated_ = false;
    bool sending_ = false;
    bool closeRequestedWhileSending_ = false;
};

extern TFormOr* FormOr;

// Order state: program-wide, false or 0 at start, read and written by the order form and the verifier.
extern bool MailValid;
extern bool MailHasUpper;
extern bool WordAnswerMissing;
extern bool ChallengePassed;
extern std::int32_t ChallengeIndex;

// Whether this run's order has reached the server: set only when the transfer returned without error.
extern bool OrderTransferred;

// Label highlighting: red background behind the caption, or back to the window's button-face colour.
void PaintRed(QLabel* label);
void Restore(QLabel* label);
bool IsRed(const QLabel* label);

// The e-mail case check: only a-z, 0-9, "@", ".", "-" and "_" pass.
void CheckMailCase();

// Keeps WordAnswerMissing and the colour of LabelWord up to date for the selected product.
void CheckWordAnswer();

// All conditions the send button requires.
bool OrderGate();

void ResetOrderModuleState();
