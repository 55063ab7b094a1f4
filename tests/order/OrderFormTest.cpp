// The order window at start, its change handlers, the toolkit event rules it relies on, what its entry
// fields accept, and the error box for an error that escapes a handler.
#include "ProgramFixture.h"

#include "app/ApplicationTitle.h"
#include "mailcheck/UnVerMail.h"
#include "order/URedAzo.h"
#include "transfer/UnFTP.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace {

using OrderFormStart = ProgramTest;

TEST_F(OrderFormStart, ShowsTheEmptyFormWithEveryStateValueAtZero) {
    for (QLineEdit* edit :
         {FormOr->EdN1, FormOr->EdCgn1, FormOr->EdMail, FormOr->EdMail2, FormOr->EdRis, FormOr->EdProdQRB,
          FormOr->EdAllDtHs, FormOr->EdN2, FormOr->EdAdr, FormOr->EdCity, FormOr->EdCountry})
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    for (int row = 0; row < 10; ++row)
        EXPECT_FALSE(FormOr->ProductButton(row)->isChecked());
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{FormOr->LabelWord, FormOr->RadioBsi, FormOr->RadioBno,
                                         FormOr->Bevel5, FormOr->EdProdQRB, FormOr->EdAllDtHs})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    for (int picture = 2; picture <= 9; ++picture)
        EXPECT_FALSE(FormOr->PictureBox(picture)->isVisible());
    EXPECT_TRUE(FormOr->LabMail->text().isEmpty());
    EXPECT_TRUE(FormOr->EdN1->hasFocus());
    EXPECT_FALSE(FormOr->CheckBoxPriv->isChecked());
    EXPECT_TRUE(FormOr->Button1->isEnabled());
    EXPECT_FALSE(MailValid || MailHasUpper || WordAnswerMissing || ChallengePassed);
    EXPECT_EQ(ChallengeIndex, 0);
    EXPECT_TRUE(RedLabels().isEmpty());
    EXPECT_EQ(FormOr->frameGeometry().size(), QSize(524, 560));
    EXPECT_EQ(FormOr->windowTitle(),
              QStringLiteral("QRB SOFTWARE        KESTOLA:  ORDER FORM - MODULO D'ORDINE  "));
    // The other two forms exist and are never shown.
    EXPECT_FALSE(FormFTP->isVisible());
    EXPECT_FALSE(ForVerMail->isVisible());
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(topLevel.begin(), topLevel.end(), [](QWidget* w) { return w->isVisible(); }), 1);
}

TEST(ApplicationTitle, KeepsTheFirstCharacterAndLowersTheRest) {
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/shop/PrRedAzo", "Prredazo"},
        {"C:/Programs/PRREDAZO.EXE", "Prredazo"},
        {"prRedAzo.exe", "prredazo"},
        {"/x/Pr.Red.Azo.exe", "Pr.red.azo"},
    };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(ApplicationTitleFor(QString::fromLatin1(path)), QLatin1String(title)) << path;
}

// ---- Change handlers ----------------------------------------------------------------------------------

using ChangeHandlers = ProgramTest;

TEST_F(ChangeHandlers, RestoreOnlyTheirOwnLabels) {
    struct Case {
        const char* what;
        std::function<void()> edit;
        QStringList stayRed;
    };
    const QStringList all = {"LabEdN1", "LabMail2", "LabMail3", "Label1", "Label6"};
    const std::vector<Case> cases = {
        {"name typed while the surname is empty", [] { ProgramTest::Type(FormOr->EdN1, "M"); }, all},
        {"surname typed after the name",
         [] {
             FormOr->EdN1->setText("M");
             ProgramTest::Type(FormOr->EdCgn1, "R");
         },
         {"LabMail2", "LabMail3", "Label1"}},
        {"name emptied",
         [] {
             FormOr->EdN1->setText("M");
             FormOr->EdN1->clear();
         },
         all},
        {"address typed", [] { ProgramTest::Type(FormOr->EdMail, "a"); }, {"LabEdN1", "LabMail3", "Label1"}},
        {"repeated address typed",
         [] { ProgramTest::Type(FormOr->EdMail2, "a"); },
         {"LabEdN1", "LabMail2", "Label1", "Label6"}},
        {"product code changed",
         [] { FormOr->EdProdQRB->setText("X"); },
         {"LabEdN1", "LabMail2", "LabMail3", "Label1"}},
    };
    for (const Case& c : cases) {
        for (QLineEdit* edit :
             {FormOr->EdN1, FormOr->EdCgn1, FormOr->EdMail, FormOr->EdMail2, FormOr->EdProdQRB})
            edit->clear();
        for (const QString& name : all)
            PaintRed(FormOr->findChild<QLabel*>(name));
        FormOr->SetLabMailText("Data to small!");
        c.edit();
        EXPECT_EQ(RedLabels(), c.stayRed) << c.what;
        const bool mailTyped = !FormOr->EdMail->text().isEmpty();
        EXPECT_EQ(FormOr->LabMail->text().isEmpty(), mailTyped) << c.what;
    }
}

TEST_F(ChangeHandlers, KeepTheCaptionColourWhenPaintingAndRestoring) {
    const QColor navy(0, 0, 128);
    EXPECT_EQ(FormOr->LabMail2->palette().color(QPalette::WindowText), navy);
    PaintRed(FormOr->LabMail2);
    EXPECT_EQ(FormOr->LabMail2->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(FormOr->LabMail2->palette().color(QPalette::WindowText), navy);
    Restore(FormOr->LabMail2);
    EXPECT_EQ(FormOr->LabMail2->palette().color(QPalette::Window), FormOr->palette().color(QPalette::Window));
    EXPECT_EQ(FormOr->LabMail2->palette().color(QPalette::WindowText), navy);
}

// ---- Event rules on the real widgets ----------------------------------------------------------------

using EventRules = ProgramTest;

TEST_F(EventRules, SettingTheSameTextRunsNothing) {
    FormOr->EdProdQRB->setText("X");
    PaintRed(FormOr->Label6);
    FormOr->EdProdQRB->setText("X");
    EXPECT_TRUE(IsRed(FormOr->Label6));
    FormOr->EdProdQRB->setText("Y");
    EXPECT_FALSE(IsRed(FormOr->Label6));
}

TEST_F(EventRules, UntickingByCodeRunsTheClickHandler) {
    FillForm();
    Click(FormOr->CheckBoxPriv);
    ASSERT_TRUE(FormOr->PictureBox(ChallengeIndex)->isVisible());
    FormOr->CheckBoxPriv->setChecked(false);
    EXPECT_FALSE(FormOr->PictureBox(ChallengeIndex)->isVisible());
}

TEST_F(EventRules, ClickingTheSelectedProductRunsNothing) {
    FillForm();
    Click(FormOr->CheckBoxPriv);
    const int shown = ChallengeIndex;
    Click(FormOr->RadioBTorvIta); // already selected
    EXPECT_TRUE(FormOr->CheckBoxPriv->isChecked());
    EXPECT_TRUE(FormOr->PictureBox(shown)->isVisible());
}

TEST_F(EventRules, TheCoveredCatalogueButtonDoesNothing) {
    FormOr->BitBCatalogo->setFocus();
    QTest::keyClick(FormOr->BitBCatalogo, Qt::Key_Space);
    EXPECT_TRUE(boxes.shown.isEmpty());
    EXPECT_TRUE(FormOr->isVisible());
    EXPECT_TRUE(FormOr->EdN1->geometry().contains(FormOr->BitBCatalogo->geometry()));
}

// ---- What the entry fields accept -------------------------------------------------------------------

using EntryFields = ProgramTest;

TEST_F(EntryFields, KeepOnlyWhatTheOrderRecordCanCarry) {
    const struct {
        const char* pasted;
        const char* kept;
    } cases[] = {
        {"Mario\nRossi", "Mario Rossi"},
        {"Mario\r\n", "Mario"},
        {"a\tb", "a b"},
        {"Jos\xc3\xa9 \xc5\x81ukasz", "Jos\xc3\xa9 ukasz"}, // L with stroke is not in code page 1252
        {"\xe2\x82\xac"
         "5",
         "\xe2\x82\xac"
         "5"}, // the euro sign is
        {"x\x01y", "xy"},
    };
    for (QLineEdit* edit : {FormOr->EdN1, FormOr->EdMail}) {
        for (const auto& c : cases) {
            edit->clear();
            QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
            edit->setFocus();
            edit->paste();
            EXPECT_EQ(edit->text(), QString::fromUtf8(c.kept))
                << edit->objectName().toStdString() << " " << c.pasted;
        }
    }
}

TEST_F(EntryFields, CarryAccessibleNames) {
    const std::pair<QLineEdit*, const char*> names[] = {{FormOr->EdN1, "Name"},
                                                        {FormOr->EdCgn1, "Surname"},
                                                        {FormOr->EdMail, "E-Mail"},
                                                        {FormOr->EdMail2, "Rewrite E-Mail"},
                                                        {FormOr->EdRis, "Code"}};
    for (const auto& [edit, name] : names)
        EXPECT_EQ(edit->accessibleName(), QLatin1String(name));
    FormOr->SetLabMailText("Invalid character!");
    EXPECT_EQ(FormOr->LabMail->accessibleName(), QStringLiteral("Invalid character!"));
    for (int picture = 2; picture <= 9; ++picture)
        EXPECT_TRUE(FormOr->PictureBox(picture)->accessibleName().isEmpty());
}

// ---- Errors that escape a handler -------------------------------------------------------------------

using EscapedErrors = ProgramTest;

TEST_F(EscapedErrors, AreShownInTheErrorBoxAndTheWindowStaysUsable) {
    // A time format whose seventh character is the separator: "a.m. 2:07:33".
    regional.formats.longTime = {false, ":", true, true, "a.m.", "p.m."};
    clock.time.hour = 2;
    FillForm();
    Click(FormOr->CheckBoxPriv);

    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("':' is not a valid integer value"));
    EXPECT_EQ(boxes.shown[0].caption, ApplicationTitle());
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Error);
    EXPECT_EQ(boxes.shown[0].buttons, BoxButtons::Ok);
    // Everything up to the pick was done; no picture, and the box stays ticked.
    EXPECT_EQ(ChallengeIndex, 0);
    EXPECT_TRUE(FormOr->CheckBoxPriv->isChecked());
    for (int picture = 2; picture <= 9; ++picture)
        EXPECT_FALSE(FormOr->PictureBox(picture)->isVisible());

    Type(FormOr->EdN1, QStringLiteral(" jr"));
    EXPECT_EQ(FormOr->EdN1->text(), QStringLiteral("Mario jr"));
    EXPECT_TRUE(FormOr->isVisible());
}

// ---- Keyboard ---------------------------------------------------------------------------------------

using TabOrder = ProgramTest;

TEST_F(TabOrder, VisitsTheSelectedProductOnly) {
    const auto tabFrom = [](QWidget* start) {
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Tab);
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    };
    EXPECT_EQ(tabFrom(FormOr->BitBCatalogo), "Button1"); // no product chosen yet
    Click(FormOr->RadioBVentaro);
    EXPECT_EQ(tabFrom(FormOr->BitBCatalogo), "RadioBVentaro");
    EXPECT_EQ(tabFrom(FormOr->RadioBVentaro), "Button1");
    EXPECT_EQ(tabFrom(FormOr->EdCgn1), "CheckBoxPriv"); // hidden fields and the panel take no focus
    Click(FormOr->RadioBTiborne);
    EXPECT_EQ(tabFrom(FormOr->EdCgn1), "RadioBTiborne");
    EXPECT_EQ(tabFrom(FormOr->RadioBTiborne), "CheckBoxPriv");
    EXPECT_EQ(tabFrom(FormOr->BitBCatalogo), "Button1");
}

TEST_F(TabOrder, LetsTheArrowKeysMoveTheProductChoice) {
    Click(FormOr->RadioBVentaro);
    FormOr->RadioBVentaro->setFocus();
    QTest::keyClick(FormOr->RadioBVentaro, Qt::Key_Down);
    EXPECT_TRUE(FormOr->RadioBLomberk->isChecked());
    EXPECT_EQ(FormOr->EdProdQRB->text(), QStringLiteral("KESTOLA-Lomberk"));
}
} // namespace
