#include "ProgramFixture.h"

#include "app/FormSet.h"
#include "order/ChallengeCodes.h"
#include "order/URedAzo.h"

#include <QDir>
#include <QTest>

void ProgramTest::SetUp() {
    ASSERT_TRUE(workDir_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(workDir_.path());
    platform::SetClock(&clock);
    platform::SetRegionalSettings(&regional);
    platform::SetMachineFacts(&machine);
    ResetProgramState();
    CreateForms();
    FormOr->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FormOr));
    QCoreApplication::processEvents();
}

void ProgramTest::TearDown() {
    DestroyForms();
    platform::SetClock(nullptr);
    platform::SetRegionalSettings(nullptr);
    platform::SetMachineFacts(nullptr);
    QDir::setCurrent(previousDir_);
}

void ProgramTest::Type(QLineEdit* edit, const QString& text) {
    QTest::keyClicks(edit, text);
}

void ProgramTest::Click(QAbstractButton* button) {
    // Click on the indicator side, where every button reacts whatever its caption's width.
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

void ProgramTest::SetTimeDigit(int digit) {
    clock.time.second = digit * 10 + 3;
}

void ProgramTest::FillForm(const QString& mail) {
    Type(FormOr->EdN1, QStringLiteral("Mario"));
    Type(FormOr->EdCgn1, QStringLiteral("Rossi"));
    Type(FormOr->EdMail, mail);
    Type(FormOr->EdMail2, mail);
    Click(FormOr->RadioBTorvIta);
}

void ProgramTest::PassChallenge() {
    Click(FormOr->CheckBoxPriv);
    ASSERT_GE(ChallengeIndex, FirstPicture);
    Type(FormOr->EdRis, QLatin1String(PictureCode(ChallengeIndex)));
    ASSERT_TRUE(ChallengePassed);
}

QString ProgramTest::WorkFile(const QString& name) const {
    return workDir_.filePath(name);
}

QStringList RedLabels() {
    QStringList red;
    for (const char* name : {"LabEdN1", "LabMail2", "LabMail3", "Label1", "Label6", "LabelWord", "Label13"}) {
        const auto* label = FormOr->findChild<QLabel*>(QLatin1String(name));
        if (label && IsRed(label))
            red << QLatin1String(name);
    }
    return red;
}
