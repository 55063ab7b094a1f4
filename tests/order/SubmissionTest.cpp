// Sending an order through the real forms to a real FTP server, refusing an incomplete form, a transfer
// that fails and is tried again, and the close confirmation at the end.
#include "ClosedPort.h"
#include "ProgramFixture.h"

#include "PyFtpServer.h"

#include "VendorConfig.h"
#include "app/ApplicationTitle.h"
#include "app/FormSet.h"
#include "order/OrderRecord.h"
#include "order/OrderTexts.h"
#include "order/URedAzo.h"
#include "transfer/UnFTP.h"

#include <QFile>
#include <QMouseEvent>
#include <QTest>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The record of Mario Rossi's order under the fixture's clock, formats and machine.
QByteArray ExpectedRecord(const QByteArray& surname, const QByteArray& product) {
    return " %0& ORDINE:\r\n"
           " %1& 05/03/2024-14:07:33\r\n"
           " %2& 192.168.1.20\r\n"
           " %3& Mario - " +
           surname +
           "\r\n"
           " %4& \r\n"
           " %5&   \r\n"
           " %6& mario.rossi@example.it\r\n"
           " %7& " +
           product +
           "\r\n"
           " %8& 00A1B2C3\r\n"
           " %9& 3f2504e0-4f89-11d3-9a0c-0305e82c3301\r\n"
           "\r\n";
}

class Submission : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(server.failure().isEmpty()) << server.failure().toStdString();
        PointTransferAt(server.port());
    }

    static void PointTransferAt(quint16 port) {
        FormFTP->SetTransferEndpointForTesting(port, {5000, 5000, 5000, 5000, 5000});
        FormFTP->Edit1->setText(QStringLiteral("localhost"));
    }

    // A Word product answered "SI", and the challenge passed.
    void FillWordOrder() {
        FillForm();
        Click(FormOr->RadioBKestola);
        Click(FormOr->RadioBsi);
        PassChallenge();
    }

    // Starts a new program in the same working folder, as the next customer on this computer.
    void RestartProgram() {
        DestroyForms();
        ResetProgramState();
        CreateForms();
        FormOr->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(FormOr));
        PointTransferAt(server.port());
        boxes.shown.clear();
    }

    QByteArray RemoteFile() const {
        return ReadFile(server.pathOf(QStringLiteral("localhost/xLomberkAcq.txt")));
    }
    QByteArray LocalFile() const { return ReadFile(WorkFile(QStringLiteral("xLomberkAcq.txt"))); }

    QStringList BoxTexts() const {
        QStringList texts;
        for (const BoxRequest& box : boxes.shown)
            texts << box.text.section(QStringLiteral("\r\n"), 0, 0).trimmed();
        return texts;
    }

    PyFtpServer server{QStringLiteral(PYFTPD_SCRIPT), QString::fromUtf8(vendor::FtpUser),
                       QString::fromUtf8(vendor::FtpPassword)};
};

TEST_F(Submission, DeliversTheRecordThanksTheCustomerAndCloses) {
    FillWordOrder();
    Click(FormOr->Button1);

    const QByteArray record = ExpectedRecord("Rossi", "KESTOLA-Lettore-vocale-della-lingua-italiana_SI_Word");
    EXPECT_EQ(RemoteFile(), record);
    EXPECT_EQ(LocalFile(), InstructionsText());

    ASSERT_EQ(boxes.shown.size(), 2);
    const BoxRequest& thanks = boxes.shown[0];
    EXPECT_EQ(thanks.caption, ApplicationTitle());
    EXPECT_EQ(thanks.icon, BoxIcon::None);
    EXPECT_EQ(thanks.buttons, BoxButtons::Ok);
    const QString contact = QString::fromUtf8(vendor::ContactMail);
    EXPECT_EQ(thanks.text,
              QString(30, ' ') + "by \"QRB SOFTWARE\"\r\n" + QString(23, ' ') +
                  "Thank you for Your order.\r\n" + QString(13, ' ') +
                  "We will send an email to complete the procedure.\r\n" + QString(13, ' ') +
                  "Another delivery email will follow with the data for\r\n" + QString(13, ' ') +
                  "downloading the required software product.\r\n" + QString(38, ' ') + "*   *   * \r\n" +
                  QString(29, ' ') + "Grazie per il Vs. ordine.\r\n" + QString(13, ' ') +
                  "Invieremo una mail per completare la procedura. \r\n" + QString(13, ' ') +
                  QString::fromUtf8("Seguir\xc3\xa0 un'altra mail di consegna contenente i dati\r\n") +
                  QString(13, ' ') + "per il download del prodotto software richiesto.\r\n" +
                  QString(38, ' ') + "*   *   * \r\n" + QString(23, ' ') +
                  "Available for further information: \r\n" + QString(32, ' ') + contact + "\r\n" +
                  QString(9, ' ') + "PRESS OK TO FINISH - PREMI OK PER COMPLETARE");

    const BoxRequest& sent = boxes.shown[1];
    EXPECT_EQ(sent.caption, QString(25, ' ') + "QRB SOFTWARE");
    EXPECT_EQ(sent.icon, BoxIcon::Question);
    EXPECT_EQ(sent.buttons, BoxButtons::YesNo);
    EXPECT_EQ(sent.text,
              QString::fromUtf8("The data have been sent successfully. \r\n"
                                "An email will be sent shortly with instructions to complete your order.\r\n"
                                "I dati sono stati inviati correttamente.\r\n"
                                "Una mail verr\xc3\xa0 inviata a breve con le istruzioni per completare "
                                "il Vs. ordine."));
    // Both forms closed; the program ends with the main window, not by a halt.
    EXPECT_FALSE(FormOr->isVisible());
    EXPECT_TRUE(process.halts.isEmpty());
    EXPECT_EQ(process.sleeps, QList<int>{1000});
    EXPECT_FALSE(FormOr->Button1->isEnabled());

    // The next customer on this computer appends a second record after the first.
    RestartProgram();
    FillForm();
    PassChallenge();
    Click(FormOr->Button1);
    EXPECT_EQ(RemoteFile(), record + ExpectedRecord("Rossi", "PLUMATTO-TORVANE-(italiano)"));
}

TEST_F(Submission, RefusesAnIncompleteFormWithoutWritingOrSending) {
    struct Case {
        const char* what;
        std::function<void(Submission&)> spoil;
        QStringList red;
        const char* message;
        bool codeEmptied;
        bool repetitionEmptied = false;
    };
    const std::vector<Case> cases = {
        {"upper-case letter",
         [](Submission&) {
             FormOr->EdMail->setText("Mario@x.it");
             FormOr->EdMail2->setText("Mario@x.it");
         },
         {"LabMail2", "LabMail3", "Label13"},
         "Use lowercase!",
         true},
        {"invalid address",
         [](Submission&) {
             FormOr->EdMail->setText("mario@xit");
             FormOr->EdMail2->setText("mario@xit");
         },
         {"LabMail2", "Label13"},
         "Missing domain portion (.com,.net,etc)",
         true},
        {"name empty", [](Submission&) { FormOr->EdN1->clear(); }, {"LabEdN1"}, "", false},
        {"address empty",
         [](Submission&) {
             FormOr->EdMail->clear();
             FormOr->EdMail2->clear();
         },
         {"LabMail2", "LabMail3", "Label13"},
         "Data to small!",
         true},
        {"repetition empty", [](Submission&) { FormOr->EdMail2->clear(); }, {"LabMail3"}, "", false, true},
        {"repetition differing only in case (emptied at the press)",
         [](Submission&) { FormOr->EdMail2->setText("mario.Rossi@example.it"); },
         {"LabMail3"},
         "",
         false,
         true},
        {"no product", [](Submission&) { FormOr->EdProdQRB->clear(); }, {"Label6"}, "", false},
        {"Word question unanswered",
         [](Submission&) { FormOr->RadioBsi->setChecked(false); },
         {"LabelWord"},
         "",
         false},
        {"code not passed", [](Submission&) { FormOr->EdRis->setText("nope"); }, {"Label13"}, "", true},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        FillWordOrder();
        c.spoil(*this);
        Click(FormOr->Button1);
        EXPECT_EQ(RedLabels(), c.red) << c.what;
        EXPECT_EQ(FormOr->LabMail->text(), QLatin1String(c.message)) << c.what;
        EXPECT_EQ(FormOr->EdRis->text().isEmpty(), c.codeEmptied) << c.what;
        EXPECT_FALSE(ChallengePassed && c.codeEmptied) << c.what;
        EXPECT_TRUE(FormOr->Button1->isEnabled()) << c.what;
        EXPECT_TRUE(boxes.shown.isEmpty()) << c.what;
        EXPECT_FALSE(QFile::exists(WorkFile("xLomberkAcq.txt"))) << c.what;
        EXPECT_TRUE(RemoteFile().isEmpty()) << c.what;
        EXPECT_EQ(FormOr->EdMail2->text().isEmpty(), c.repetitionEmptied || FormOr->EdMail->text().isEmpty())
            << c.what;
    }
}

TEST_F(Submission, AWordProductWithoutAnswerIsRefusedUntilAnotherProductIsChosen) {
    FillForm();
    Click(FormOr->RadioBVentaro);
    PassChallenge();
    Click(FormOr->Button1);
    EXPECT_TRUE(WordAnswerMissing);
    EXPECT_EQ(RedLabels(), QStringList{"LabelWord"});
    EXPECT_TRUE(RemoteFile().isEmpty());

    Click(FormOr->RadioBDruvella); // withdraws the picture; the passed code stays
    Click(FormOr->Button1);
    EXPECT_FALSE(WordAnswerMissing);
    EXPECT_EQ(RemoteFile(), ExpectedRecord("Rossi", "KESTOLA-DRUVELLA"));
    // The tick box was unticked by the product change, so the last box is the one for an incomplete form.
    ASSERT_FALSE(boxes.shown.isEmpty());
    EXPECT_EQ(boxes.shown.last().text.section("\r\n", 0, 0), QStringLiteral("The data have NOT been sent."));
}

TEST_F(Submission, ATransferThatFailsKeepsTheRecordAndLetsTheCustomerSendAgain) {
    PointTransferAt(ClosedPort());
    FillWordOrder();
    bool closedDuringTransfer = true;
    boxes.onShow = [&](const BoxRequest& box) {
        if (box.text == QLatin1String("connection failed"))
            closedDuringTransfer = FormOr->close(); // a close request while the order is on its way
        return BoxAnswer::Yes;
    };
    Click(FormOr->Button1);

    // The information box, the error box, then the close that waited for the sequence to end.
    EXPECT_FALSE(closedDuringTransfer);
    EXPECT_EQ(BoxTexts(),
              (QStringList{"connection failed", "Connection Failed", "The data have NOT been sent."}));
    EXPECT_EQ(boxes.shown[1].icon, BoxIcon::Error);
    EXPECT_EQ(boxes.shown[1].caption, ApplicationTitle());
    EXPECT_TRUE(FormOr->isVisible()); // "Yes": back to the form
    const QByteArray record = ExpectedRecord("Rossi", "KESTOLA-Lettore-vocale-della-lingua-italiana_SI_Word");
    EXPECT_EQ(LocalFile(), record);
    EXPECT_TRUE(RemoteFile().isEmpty());
    EXPECT_TRUE(FormOr->Button1->isEnabled());
    EXPECT_EQ(FormOr->EdProdQRB->text(),
              QStringLiteral("KESTOLA-Lettore-vocale-della-lingua-italiana_SI_Word"));

    // Closing now still tells the truth.
    boxes.shown.clear();
    boxes.onShow = nullptr;
    boxes.plannedAnswers = {BoxAnswer::Yes};
    FormOr->close();
    EXPECT_EQ(BoxTexts(), QStringList{"The data have NOT been sent."});
    EXPECT_TRUE(FormOr->isVisible());

    // The server is back: the order goes once, with one suffix.
    boxes.shown.clear();
    PointTransferAt(server.port());
    Click(FormOr->Button1);
    EXPECT_EQ(RemoteFile(), record);
    EXPECT_EQ(LocalFile(), InstructionsText());
    EXPECT_EQ(BoxTexts().last(), QStringLiteral("The data have been sent successfully."));
    EXPECT_FALSE(FormOr->isVisible());
}

TEST_F(Submission, GoesAheadWithoutTheSurnameOrTheTickOnceTheCodeIsAccepted) {
    FillWordOrder();
    FormOr->EdCgn1->clear();
    Click(FormOr->Button1);
    EXPECT_EQ(RemoteFile(), ExpectedRecord("", "KESTOLA-Lettore-vocale-della-lingua-italiana_SI_Word"));
    EXPECT_EQ(BoxTexts().last(), QStringLiteral("The data have been sent successfully."));

    RestartProgram();
    FillWordOrder();
    Click(FormOr->CheckBoxPriv); // untick after the code was accepted
    boxes.plannedAnswers = {BoxAnswer::Ok, BoxAnswer::Yes};
    Click(FormOr->Button1);
    EXPECT_TRUE(RemoteFile().endsWith(
        ExpectedRecord("Rossi", "KESTOLA-Lettore-vocale-della-lingua-italiana_SI_Word")));
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(BoxTexts().last(), QStringLiteral("The data have NOT been sent."));
    EXPECT_EQ(boxes.shown.last().caption, QString(23, ' ') + "QRB SOFTWARE");
    // "Yes" keeps the window; the send button stays disabled, so the order cannot go twice.
    EXPECT_TRUE(FormOr->isVisible());
    EXPECT_FALSE(FormOr->Button1->isEnabled());
}

TEST_F(Submission, TwoQuickClicksStartOneSequence) {
    FillWordOrder();
    const QPoint centre = FormOr->Button1->rect().center();
    for (int click = 0; click < 2; ++click) {
        QCoreApplication::postEvent(FormOr->Button1,
                                    new QMouseEvent(QEvent::MouseButtonPress, centre,
                                                    FormOr->Button1->mapToGlobal(centre), Qt::LeftButton,
                                                    Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(FormOr->Button1,
                                    new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                    FormOr->Button1->mapToGlobal(centre), Qt::LeftButton,
                                                    Qt::NoButton, Qt::NoModifier));
    }
    QTest::qWait(200);
    EXPECT_EQ(RemoteFile(), ExpectedRecord("Rossi", "KESTOLA-Lettore-vocale-della-lingua-italiana_SI_Word"));
    EXPECT_EQ(BoxTexts().count(QStringLiteral("by \"QRB SOFTWARE\"")), 1);
}

// ---- Closing ----------------------------------------------------------------------------------------

using CloseConfirmation = ProgramTest;

TEST_F(CloseConfirmation, ABlankFormOffersToGoBackOrEndsAtOnce) {
    boxes.plannedAnswers = {BoxAnswer::Yes, BoxAnswer::No};
    EXPECT_FALSE(FormOr->close());
    EXPECT_TRUE(FormOr->isVisible());
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].caption, QString(23, ' ') + "QRB SOFTWARE");
    EXPECT_EQ(boxes.shown[0].icon, BoxIcon::Question);
    EXPECT_EQ(boxes.shown[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(boxes.shown[0].text, QStringLiteral("The data have NOT been sent.\r\n"
                                                  "WOULD YOU LIKE TO COMPLETE THE PROCEDURE?\r\n"
                                                  "I dati NON sono stati inviati.\r\n"
                                                  "VUOI COMPLETARE LA PROCEDURA?"));
    EXPECT_TRUE(process.halts.isEmpty());

    FormOr->close();
    EXPECT_EQ(process.halts, QList<int>{0});
}

TEST_F(CloseConfirmation, ACompleteFormThatWasNeverSentIsNotCalledSent) {
    FillForm();
    PassChallenge();
    boxes.plannedAnswers = {BoxAnswer::Yes};
    EXPECT_FALSE(FormOr->close());
    EXPECT_EQ(boxes.shown.last().text.section("\r\n", 0, 0), QStringLiteral("The data have NOT been sent."));
    EXPECT_FALSE(QFile::exists(WorkFile("xLomberkAcq.txt")));
}

TEST_F(CloseConfirmation, PaintsAnUnansweredWordQuestion) {
    Click(FormOr->RadioBLomberk);
    FormOr->close();
    EXPECT_TRUE(IsRed(FormOr->LabelWord));
    EXPECT_TRUE(WordAnswerMissing);
    Click(FormOr->RadioBTiborne);
    FormOr->close();
    EXPECT_FALSE(WordAnswerMissing);
}

} // namespace
