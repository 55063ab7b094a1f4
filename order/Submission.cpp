// Sending an order: the send button re-checks the whole form, and a complete form is recorded, written to
// the order file, appended to the vendor's order file on the server, and the program closes.
#include "order/URedAzo.h"

#include "app/MessageBoxes.h"
#include "app/ProcessControl.h"
#include "mailcheck/UnVerMail.h"
#include "order/Catalogue.h"
#include "order/MachineIdentification.h"
#include "order/OrderRecord.h"
#include "order/OrderTexts.h"
#include "order/Text1252.h"
#include "transfer/UnFTP.h"

namespace {

constexpr int WordProductCount = 4; // the first four products ask the Word question

bool WordProductSelected() {
    for (int row = 0; row < WordProductCount; ++row)
        if (FormOr->ProductButton(row)->isChecked())
            return true;
    return false;
}

bool WordQuestionUnanswered() {
    return WordProductSelected() && !FormOr->RadioBsi->isChecked() && !FormOr->RadioBno->isChecked();
}

// The product code with its Word answer, built from the selected product each time, so that sending again
// after a failed transfer does not append the answer a second time.
QString SuffixedProductCode() {
    for (int row = 0; row < int(Products.size()); ++row) {
        if (!FormOr->ProductButton(row)->isChecked())
            continue;
        QString code = QString::fromLatin1(Products.at(std::size_t(row)).code);
        if (Products.at(std::size_t(row)).asksWord)
            code += WordSuffix(FormOr->RadioBsi->isChecked(), FormOr->RadioBno->isChecked());
        return code;
    }
    return FormOr->EdProdQRB->text();
}

} // namespace

void CheckWordAnswer() {
    if (!WordProductSelected()) {
        WordAnswerMissing = false;
        return;
    }
    if (WordQuestionUnanswered()) {
        PaintRed(FormOr->LabelWord);
        WordAnswerMissing = true;
    } else {
        Restore(FormOr->LabelWord);
        WordAnswerMissing = false;
    }
}

bool OrderGate() {
    return !MailHasUpper && MailValid && !FormOr->EdN1->text().isEmpty() &&
           !FormOr->EdMail->text().isEmpty() && !FormOr->EdMail2->text().isEmpty() &&
           !FormOr->EdProdQRB->text().isEmpty() && !WordAnswerMissing && ChallengePassed;
}

void TFormOr::Button1Click(QObject*) {
    if (sending_)
        return;
    // A close request that arrives while the sequence runs waits for its end (see FormCloseQuery).
    struct SendingScope {
        bool& flag;
        explicit SendingScope(bool& f) : flag(f) { flag = true; }
        ~SendingScope() { flag = false; }
    } scope(sending_);
    SendOrder();
}

void TFormOr::SendOrder() {
    SetLabMailText(QString());
    if (EdMail2->text() != EdMail->text())
        EdMail2->setText(QString());
    Button1->setEnabled(false);
    ProcessMessages();
    FormFTP->ftpAllDtHs->clear();
    FormFTP->MemAllDtT->clear();
    GetLocalAddress();
    ProcessMessages();
    CheckMailCase();
    ForVerMail->BitBVerMailClick(ForVerMail->BitBVerMail);
    CheckWordAnswer();
    if (OrderGate())
        SendWhenFormComplete();
    else
        RefuseIncompleteForm();
}

void TFormOr::RefuseIncompleteForm() {
    Button1->setEnabled(true);
    if (MailHasUpper) {
        PaintRed(LabMail2);
        PaintRed(LabMail3);
        SetLabMailText(QStringLiteral("Use lowercase!"));
    }
    if (!MailValid || !ChallengePassed || MailHasUpper) {
        EdRis->setText(QString());
        PaintRed(Label13);
        ChallengePassed = false;
    }
    if (!MailValid)
        PaintRed(LabMail2);
    if (EdN1->text().isEmpty() || EdCgn1->text().isEmpty())
        PaintRed(LabEdN1);
    if (EdMail->text().isEmpty())
        PaintRed(LabMail2);
    if (EdMail2->text().isEmpty())
        PaintRed(LabMail3);
    if (EdMail2->text() != EdMail->text())
        PaintRed(LabMail3);
    if (EdProdQRB->text().isEmpty())
        PaintRed(Label6);
    if (WordQuestionUnanswered())
        PaintRed(LabelWord);
}

void TFormOr::SendWhenFormComplete() {
    GetVolumeInfoLine('c');
    GetVolumeSerialText();
    GetHwProfileId();
    const QString stamp = MakeOrderStamp();
    FormFTP->ftpAllDtHs->clear();
    ProcessMessages();
    EdProdQRB->setText(SuffixedProductCode());

    const QStringList record = BuildOrderRecord(
        {stamp, LocalAddress, EdN1->text(), EdCgn1->text(), EdN2->text(), EdAdr->text(), EdCity->text(),
         EdCountry->text(), EdMail->text(), EdProdQRB->text(), VolumeSerialText, EdAllDtHs->text()});
    SaveDialog1.FileName = QString::fromLatin1(OrderFileName);
    FormFTP->ftpAllDtHs->setPlainText(record.join(QLatin1Char('\n')));
    FormFTP->MemAllDtT->clear();
    ProcessMessages();
    FormFTP->MemAllDtT->setPlainText(FormFTP->ftpAllDtHs->toPlainText());
    ProcessMessages();
    try {
        WriteOrderFile(record);
        ProcessMessages();
        ProcessMessages();
        FormFTP->ftpAllDtHs->clear();
        FormFTP->MemAllDtT->clear();
        ProcessMessages();
        ProcessMessages();
        FormFTP->Button1Click(FormFTP->Button1);
    } catch (...) {
        // Nothing has reached the server: the order file keeps the record and the customer may send again.
        Button1->setEnabled(true);
        throw;
    }
    OrderTransferred = true;
    ProcessMessages();

    ShowPlainBox(ThankYouText());

    ProcessMessages();
    FormFTP->MemAllDtT->setPlainText(FromCp1252(InstructionsText()));
    ProcessMessages();
    ProcessMessages();
    WriteInstructionsFile();
    FormFTP->Button7Click(FormFTP->Button7);
    ProcessMessages();
    processControl().sleepMs(1000);
    ProcessMessages();
    FormFTP->close();
    ProcessMessages();

    sending_ = false;
    closeRequestedWhileSending_ = false;
    close();
}

bool TFormOr::FormCloseQuery(QObject*) {
    if (sending_) {
        // An order is never cut off half-way; the request is honoured when the sequence ends.
        closeRequestedWhileSending_ = true;
        return false;
    }
    CheckWordAnswer();
    const bool complete = OrderGate() && CheckBoxPriv->isChecked();
    if (complete && OrderTransferred) {
        AskYesNo(SentCaption(), SentText());
        return true;
    }
    // Incomplete, or complete but not on the server: the customer may go back and send.
    if (AskYesNo(NotSentCaption(), NotSentText()) == BoxAnswer::Yes)
        return false;
    processControl().halt(0);
    return true;
}
