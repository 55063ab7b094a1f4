// The code-picture challenge: the generator, the time digit, the pick, the tick box and the code box;
// and the two e-mail checks that the tick runs.
#include "ProgramFixture.h"

#include "mailcheck/UnVerMail.h"
#include "order/Challenge.h"
#include "order/ChallengeCodes.h"
#include "order/URedAzo.h"

#include <QTest>

namespace {

std::uint32_t StateAfter(int draws) {
    std::uint32_t state = 0;
    for (int i = 0; i < draws; ++i)
        state = state * 134775813u + 1u;
    return state;
}

TEST(Generator, DrawsTheKnownSequenceFromZero) {
    RandSeed = 0;
    std::vector<int> draws;
    for (int i = 0; i < 11; ++i)
        draws.push_back(Draw(8));
    EXPECT_EQ(draws, (std::vector<int>{0, 0, 6, 1, 2, 5, 2, 1, 2, 3, 0}));
    EXPECT_EQ(RandSeed, StateAfter(11));
}

TEST(Generator, FirstPickDependsOnTheTimeDigitAndTheSecondGoesOn) {
    const struct {
        int picture;
        int draws;
    } firstPick[10] = {{6, 11}, {7, 11}, {8, 11}, {9, 11}, {8, 13},
                       {9, 13}, {8, 15}, {9, 15}, {9, 18}, {8, 20}};
    for (int digit = 0; digit <= 9; ++digit) {
        RandSeed = 0;
        EXPECT_EQ(PickPicture(digit), firstPick[digit].picture) << "digit " << digit;
        EXPECT_EQ(RandSeed, StateAfter(firstPick[digit].draws)) << "digit " << digit;
    }
    // A second pick continues from the state the first one left: from 11 draws, digit 0 spends 7 more,
    // then a = 9 meets the generator's next values.
    RandSeed = 0;
    PickPicture(0);
    const std::uint32_t afterFirst = RandSeed;
    const int second = PickPicture(0);
    RandSeed = afterFirst;
    for (int i = 0; i < 7; ++i)
        Draw(8);
    int a = 10, expected = 0;
    do {
        --a;
        expected = Draw(8) + a;
    } while (expected < 2 || expected > 9);
    EXPECT_EQ(second, expected);
    EXPECT_NE(afterFirst, 0u);
}

TEST(TimeDigit, IsTheSeventhCharacterOfTheLongTime) {
    const struct {
        platform::LongTimeFormat format;
        int hour, minute, second;
        int digit; // -1: not a digit
        const char* error;
    } cases[] = {
        {{true, ":", false, false, "", ""}, 14, 7, 33, 3, nullptr},     // 14:07:33
        {{true, ":", false, false, "", ""}, 9, 7, 51, 5, nullptr},      // 09:07:51
        {{false, ":", false, false, "", ""}, 9, 7, 51, 1, nullptr},     // 9:07:51
        {{false, ":", false, false, "", ""}, 19, 7, 51, 5, nullptr},    // 19:07:51
        {{false, ":", true, false, "AM", "PM"}, 21, 7, 42, 2, nullptr}, // 9:07:42 PM
        {{true, ":", true, false, "AM", "PM"}, 21, 7, 42, 4, nullptr},  // 09:07:42 PM
        {{true, ":", true, true, "AM", "PM"}, 9, 7, 42, 0, nullptr},    // AM 09:07:42
        {{false, ":", true, true, "a.m.", "p.m."},
         2,
         7,
         33,
         -1,
         "':' is not a valid integer value"},                       // a.m. 2:07:33
        {{true, ".", false, false, "", ""}, 14, 7, 33, 3, nullptr}, // 14.07.33
        {{true, "::", false, false, "", ""}, 14, 7, 33, -1, "':' is not a valid integer value"}, // 14::07::33
    };
    for (const auto& c : cases) {
        const platform::LocalDateTime time{2024, 3, 5, c.hour, c.minute, c.second, 0};
        if (c.digit >= 0) {
            EXPECT_EQ(TimeDigit(c.format, time), c.digit) << platform::FormatLongTime(c.format, time);
        } else {
            try {
                TimeDigit(c.format, time);
                ADD_FAILURE() << "no error for " << platform::FormatLongTime(c.format, time);
            } catch (const EConvertError& e) {
                EXPECT_STREQ(e.what(), c.error);
            }
        }
    }
}

// ---- The tick box through the real window -----------------------------------------------------------

using TickBox = ProgramTest;

TEST_F(TickBox, ReexaminesTheFormAndShowsAPictureOnlyWhenItIsComplete) {
    struct Case {
        const char* what;
        std::function<void(ProgramTest&)> fill;
        QStringList red;
        const char* message;
        bool picture;
        bool nameEmptied;
        bool mailsEmptied;
    };
    const std::vector<Case> cases = {
        {"surname missing",
         [](ProgramTest& t) {
             Type(FormOr->EdN1, "Mario");
             Type(FormOr->EdMail, "a@b.it");
             Type(FormOr->EdMail2, "a@b.it");
             Click(FormOr->RadioBTorvIta);
             (void)t;
         },
         {"LabEdN1"},
         "",
         false,
         true,
         false},
        {"two different addresses",
         [](ProgramTest&) {
             Type(FormOr->EdN1, "Mario");
             Type(FormOr->EdCgn1, "Rossi");
             Type(FormOr->EdMail, "a@b.it");
             Type(FormOr->EdMail2, "a@c.it");
             Click(FormOr->RadioBTorvIta);
         },
         {"LabMail3"},
         "",
         false,
         false,
         true},
        {"empty address",
         [](ProgramTest&) {
             Type(FormOr->EdN1, "Mario");
             Type(FormOr->EdCgn1, "Rossi");
             Click(FormOr->RadioBTorvIta);
         },
         {"LabMail2", "LabMail3"},
         "Data to small!",
         false,
         false,
         false},
        {"an upper-case letter in matching addresses",
         [](ProgramTest& t) { t.FillForm("Mario@b.it"); },
         {"LabMail2", "LabMail3"},
         "Use lowercase!",
         true,
         false,
         false},
        {"no product",
         [](ProgramTest&) {
             Type(FormOr->EdN1, "Mario");
             Type(FormOr->EdCgn1, "Rossi");
             Type(FormOr->EdMail, "a@b.it");
             Type(FormOr->EdMail2, "a@b.it");
         },
         {"Label1"},
         "",
         false,
         false,
         false},
        {"complete", [](ProgramTest& t) { t.FillForm(); }, {}, "", true, false, false},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        c.fill(*this);
        Click(FormOr->CheckBoxPriv);
        EXPECT_EQ(RedLabels(), c.red) << c.what;
        EXPECT_EQ(FormOr->LabMail->text(), QLatin1String(c.message)) << c.what;
        int shown = 0;
        for (int picture = 2; picture <= 9; ++picture)
            shown += FormOr->PictureBox(picture)->isVisible() ? picture : 0;
        EXPECT_EQ(shown != 0, c.picture) << c.what;
        if (c.picture) {
            EXPECT_EQ(shown, ChallengeIndex) << c.what;
            EXPECT_EQ(ChallengeIndex, 9) << c.what; // time digit 3 in a fresh program
            EXPECT_TRUE(FormOr->EdRis->hasFocus()) << c.what;
        } else {
            EXPECT_EQ(ChallengeIndex, 0) << c.what;
        }
        EXPECT_EQ(FormOr->EdN1->text().isEmpty(), c.nameEmptied) << c.what;
        EXPECT_EQ(FormOr->EdMail->text().isEmpty() && FormOr->EdMail2->text().isEmpty(),
                  c.mailsEmptied || QLatin1String(c.message) == QLatin1String("Data to small!"))
            << c.what;
        EXPECT_TRUE(FormOr->CheckBoxPriv->isChecked()) << c.what;
        EXPECT_FALSE(ChallengePassed) << c.what;
    }
}

TEST_F(TickBox, JudgesTheCaseOfACorrectedAddressOneTickLate) {
    FillForm("Mario@b.it");
    Click(FormOr->CheckBoxPriv);
    ASSERT_TRUE(MailHasUpper);
    for (QLineEdit* edit : {FormOr->EdMail, FormOr->EdMail2}) {
        edit->clear();
        Type(edit, "mario@b.it");
    }
    Click(FormOr->CheckBoxPriv); // untick
    Click(FormOr->CheckBoxPriv); // tick: the earlier verdict still paints LabMail2
    EXPECT_TRUE(IsRed(FormOr->LabMail2));
    EXPECT_FALSE(MailHasUpper);
    EXPECT_GE(ChallengeIndex, 2);
    Click(FormOr->CheckBoxPriv);
    Click(FormOr->CheckBoxPriv);
    EXPECT_FALSE(IsRed(FormOr->LabMail2));
    EXPECT_FALSE(IsRed(FormOr->LabMail3));
}

TEST_F(TickBox, EachTickTakesTheNextPickOfTheGenerator) {
    FillForm();
    Click(FormOr->CheckBoxPriv);
    EXPECT_EQ(ChallengeIndex, 9);
    EXPECT_EQ(RandSeed, StateAfter(11));
    Click(FormOr->CheckBoxPriv);
    Click(FormOr->CheckBoxPriv);
    EXPECT_NE(RandSeed, StateAfter(11));
}

// ---- The code box -----------------------------------------------------------------------------------

using CodeBox = ProgramTest;

TEST_F(CodeBox, PassesOnlyForExactlyTheShownCode) {
    FillForm();
    Click(FormOr->CheckBoxPriv);
    const QString code = QLatin1String(PictureCode(ChallengeIndex));
    const QString other = QLatin1String(PictureCode(ChallengeIndex == 2 ? 3 : 2));
    const struct {
        QString typed;
        bool passed;
    } cases[] = {
        {code.toUpper(), false}, {code.toLower(), false}, {code.left(5), false},
        {code + "x", false},     {other, false},          {code, true},
    };
    for (const auto& c : cases) {
        if (c.typed == code.toLower() && c.typed == code)
            continue; // a code without letters of the other case
        FormOr->EdRis->clear();
        Type(FormOr->EdRis, c.typed);
        EXPECT_EQ(ChallengePassed, c.passed) << c.typed.toStdString();
    }
    Type(FormOr->EdRis, "z");
    EXPECT_FALSE(ChallengePassed);
    QTest::keyClick(FormOr->EdRis, Qt::Key_Backspace);
    EXPECT_TRUE(ChallengePassed);
}

TEST_F(CodeBox, AcceptsThePreviousPicturesCodeAfterATickThatFoundTheFormIncomplete) {
    FillForm();
    Click(FormOr->CheckBoxPriv);
    const int shown = ChallengeIndex;
    FormOr->EdCgn1->clear();
    Click(FormOr->CheckBoxPriv);
    Click(FormOr->CheckBoxPriv); // stops before the pick: the surname is missing
    EXPECT_EQ(ChallengeIndex, shown);
    EXPECT_FALSE(FormOr->PictureBox(shown)->isVisible());
    Type(FormOr->EdRis, QLatin1String(PictureCode(shown)));
    EXPECT_TRUE(ChallengePassed);
}

// ---- The verifier and the case check ----------------------------------------------------------------

using MailChecks = ProgramTest;

TEST_F(MailChecks, TheVerifierJudgesTheOrderFormsAddress) {
    const struct {
        const char* address;
        const char* before;
        bool valid;
        const char* message;
    } cases[] = {
        {"mario@b.it", "Use lowercase!", true, "Use lowercase!"},
        {"mario rossi@b.it", "", false, "Invalid character!"},
        {"mario@bit", "", false, "Missing domain portion (.com,.net,etc)"},
        {"", "", false, "Data to small!"},
        {"mario", "", false, "Missing @ symbol!"},
    };
    for (const auto& c : cases) {
        FormOr->EdMail->setText(QLatin1String(c.address));
        FormOr->SetLabMailText(QLatin1String(c.before));
        ForVerMail->xEMail->setText("somebody@else.it"); // never read
        MailValid = !c.valid;
        for (int twice = 0; twice < 2; ++twice) {
            ForVerMail->BitBVerMailClick(ForVerMail->BitBVerMail);
            EXPECT_EQ(MailValid, c.valid) << c.address;
            EXPECT_EQ(FormOr->LabMail->text(), QLatin1String(c.message)) << c.address;
        }
    }
}

TEST_F(MailChecks, TheCaseCheckAcceptsFortyCharacters) {
    const struct {
        const char* address; // UTF-8
        bool valid;
        bool upper;
    } cases[] = {
        {"a.b-c_d9@x.it", true, false}, {"Mario@x.it", true, true},    {"a+b@x.it", true, true},
        {"a b@x.it", true, true},       {"\xc3\xa8@x.it", true, true}, {"mario", false, false},
        {"a@b@c.it", true, false},      {"a%b@x.it", true, true},      {"a'b@x.it", true, true},
    };
    for (const auto& c : cases) {
        FormOr->EdMail->setText(QString::fromUtf8(c.address));
        Restore(FormOr->LabMail2);
        Restore(FormOr->LabMail3);
        CheckMailCase();
        EXPECT_EQ(MailValid, c.valid) << c.address;
        EXPECT_EQ(MailHasUpper, c.upper) << c.address;
        EXPECT_EQ(IsRed(FormOr->LabMail2) && IsRed(FormOr->LabMail3), c.upper) << c.address;
        EXPECT_EQ(FormOr->LabMail->text() == QLatin1String("Use lowercase!"), c.upper) << c.address;
    }
    // An empty address leaves both verdicts as they were.
    FormOr->EdMail->clear();
    CheckMailCase();
    EXPECT_TRUE(MailValid);
    EXPECT_TRUE(MailHasUpper);
}

} // namespace
