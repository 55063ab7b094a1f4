// Choosing a product and answering the Word question.
#include "ProgramFixture.h"

#include "order/Catalogue.h"
#include "order/URedAzo.h"

namespace {

using Catalogue = ProgramTest;

TEST_F(Catalogue, EachProductStoresItsCodeAndShowsTheWordQuestionForItsOwn) {
    const struct {
        const char* button;
        const char* text; // UTF-8
        int spaces;
        const char* size;
        const char* code;
        bool word;
    } rows[] = {
        {"RadioBKestola", "KESTOLA Lettore vocale della lingua italiana (con sintesi vocale TTS italiano)", 1,
         "700 Mb", "KESTOLA-Lettore-vocale-della-lingua-italiana", true},
        {"RadioBPlumatto", "KESTOLA PLUMATTO (soft.per didattica con sintesi vocale TTS italiano)", 4,
         "900 Mb", "KESTOLA-PLUMATTO", true},
        {"RadioBVentaro", "KESTOLA VENTARO (con sintesi vocale TTS italiano)", 39, "750 Mb",
         "KESTOLA-VENTARO", true},
        {"RadioBLomberk", "KESTOLA Lomberk (con sintesi vocale TTS italiano)", 41, "750 Mb",
         "KESTOLA-Lomberk", true},
        {"RadioBTorvIta", "PLUMATTO TORVANE (in italiano)", 56, "40 Mb", "PLUMATTO-TORVANE-(italiano)",
         false},
        {"RadioBTorvIng", "PLUMATTO TORVANE (english language)", 44, "40 Mb", "PLUMATTO-TORVANE-(English)",
         false},
        {"RadioBTorvFra",
         "PLUMATTO TORVANE (language fran\xc3\xa7"
         "aises)",
         39, "40 Mb", "PLUMATTO-TORVANE-(francaises)", false},
        {"RadioBTorvEsp", "PLUMATTO TORVANE (en espa\xc3\xb1ol)", 53, "40 Mb", "PLUMATTO-TORVANE-(Espanol)",
         false},
        {"RadioBDruvella", "KESTOLA DRUVELLA (con sintesi vocale TTS italiano)", 29, "750 Mb",
         "KESTOLA-DRUVELLA", false},
        {"RadioBTiborne", "KESTOLA TIBORNE (Tastiera virtuale su schermo)", 25, "20 Mb", "KESTOLA-TIBORNE",
         false},
    };
    int row = 0;
    for (const auto& r : rows) {
        QRadioButton* button = FormOr->ProductButton(row);
        ASSERT_EQ(button->objectName(), QLatin1String(r.button));
        EXPECT_EQ(button->text(),
                  QString::fromUtf8(r.text) + QString(r.spaces, QLatin1Char(' ')) + QLatin1String(r.size))
            << r.button;
        EXPECT_EQ(button->geometry(), QRect(32, 180 + 18 * row, 433, 17)) << r.button;
        PaintRed(FormOr->Label1);
        PaintRed(FormOr->Label6);
        Click(button);
        EXPECT_TRUE(button->isChecked()) << r.button;
        EXPECT_EQ(FormOr->EdProdQRB->text(), QLatin1String(r.code)) << r.button;
        EXPECT_FALSE(IsRed(FormOr->Label1) || IsRed(FormOr->Label6)) << r.button;
        for (QWidget* part : std::initializer_list<QWidget*>{FormOr->LabelWord, FormOr->RadioBsi,
                                                             FormOr->RadioBno, FormOr->Bevel5})
            EXPECT_EQ(part->isVisible(), r.word) << r.button << " " << part->objectName().toStdString();
        ++row;
    }
}

TEST_F(Catalogue, TheWordAnswersAreAYesNoChoiceThatMayStayEmpty) {
    Click(FormOr->RadioBVentaro);
    PaintRed(FormOr->LabelWord);
    Click(FormOr->RadioBsi);
    EXPECT_TRUE(FormOr->RadioBsi->isChecked());
    EXPECT_FALSE(IsRed(FormOr->LabelWord));
    Click(FormOr->RadioBno);
    EXPECT_FALSE(FormOr->RadioBsi->isChecked());
    EXPECT_TRUE(FormOr->RadioBno->isChecked());
    PaintRed(FormOr->LabelWord);
    Click(FormOr->RadioBno);
    EXPECT_FALSE(FormOr->RadioBsi->isChecked() || FormOr->RadioBno->isChecked());
    EXPECT_FALSE(IsRed(FormOr->LabelWord)); // restored on every change, also to no answer
}

TEST_F(Catalogue, HidingTheQuestionKeepsTheAnswer) {
    Click(FormOr->RadioBVentaro);
    Click(FormOr->RadioBsi);
    Click(FormOr->RadioBTorvFra);
    EXPECT_FALSE(FormOr->RadioBsi->isVisible());
    EXPECT_TRUE(FormOr->RadioBsi->isChecked());
    Click(FormOr->RadioBVentaro);
    EXPECT_TRUE(FormOr->RadioBsi->isVisible());
    EXPECT_TRUE(FormOr->RadioBsi->isChecked());
}

TEST_F(Catalogue, AnotherProductWithdrawsTheShownPictureButKeepsThePassedCode) {
    FillForm();
    PassChallenge();
    const int shown = ChallengeIndex;
    Click(FormOr->RadioBDruvella);
    EXPECT_FALSE(FormOr->CheckBoxPriv->isChecked());
    EXPECT_FALSE(FormOr->PictureBox(shown)->isVisible());
    EXPECT_TRUE(ChallengePassed);
    EXPECT_FALSE(FormOr->EdRis->text().isEmpty());
}

} // namespace
