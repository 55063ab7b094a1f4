// The code row: ticking CheckBoxPriv re-examines the form and shows a code picture; typing the picture's
// code into EdRis passes the challenge.
#include "order/URedAzo.h"

#include "app/ProcessControl.h"
#include "mailcheck/UnVerMail.h"
#include "order/Challenge.h"
#include "order/ChallengeCodes.h"

void TFormOr::CheckBoxPrivClick(QObject*) {
    for (int picture = FirstPicture; picture <= LastPicture; ++picture)
        PictureBox(picture)->hide();
    if (!CheckBoxPriv->isChecked())
        return;

    SetLabMailText(QString());
    EdRis->setText(QString()); // its change handler clears ChallengePassed
    Restore(Label6);
    ForVerMail->BitBVerMailClick(ForVerMail->BitBVerMail);
    PaintRed(LabMail2);
    ForVerMail->BitBVerMailClick(ForVerMail->BitBVerMail);

    if (EdN1->text().isEmpty() || EdCgn1->text().isEmpty()) {
        EdN1->setText(QString());
        EdCgn1->setText(QString());
        PaintRed(LabEdN1);
    }
    if (EdMail2->text() != EdMail->text() || EdMail->text().isEmpty() || EdMail2->text().isEmpty()) {
        EdMail->setText(QString());
        EdMail2->setText(QString());
        PaintRed(LabMail3);
    }
    // MailHasUpper is still the verdict of the previous case check here.
    if (EdMail2->text() == EdMail->text() && !EdMail->text().isEmpty() && !MailHasUpper) {
        Restore(LabMail2);
        Restore(LabMail3);
    }
    CheckMailCase();
    if (EdProdQRB->text().isEmpty())
        PaintRed(Label1);

    if (EdN1->text().isEmpty() || EdMail->text().isEmpty() || EdMail2->text().isEmpty() ||
        EdMail2->text() != EdMail->text() || EdProdQRB->text().isEmpty())
        return;

    ChallengeIndex = 0;
    const std::int32_t digit = TimeDigitNow();
    ChallengeIndex = PickPicture(digit);
    PictureBox(ChallengeIndex)->show();
    EdRis->setFocus();
    ProcessMessages();
}

void TFormOr::EdRisChange(QObject*) {
    ChallengePassed = false;
    const QString typed = EdRis->text();
    if (typed.size() == 6 && ChallengeIndex >= FirstPicture && ChallengeIndex <= LastPicture &&
        typed == QLatin1String(PictureCode(ChallengeIndex)))
        ChallengePassed = true;
}
