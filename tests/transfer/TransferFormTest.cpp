// The transfer form: the order's exchange driven by its buttons, its status line and its boxes.
#include "ClosedPort.h"
#include "PyFtpServer.h"
#include "ScriptedFtpServer.h"
#include "TestSeams.h"

#include "VendorConfig.h"
#include "ftp/FtpErrors.h"
#include "transfer/UnFTP.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>

namespace {

const QByteArray OrderBytes = "%0& 05/03/2024 14.07.33\r\n%1& Rossi Mario\r\n%2& caf\xe9 \x80\xff\r\n";

void WriteOrderFile(const QByteArray& bytes) {
    QFile file(QStringLiteral("xLomberkAcq.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString ErrorOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return QStringLiteral("<nothing raised>");
}

class TransferFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(workDir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        form = new TFormFTP();
        FormFTP = form;
        form->SetTransferEndpointForTesting(server.port(), {5000, 5000, 5000, 5000, 5000});
        form->Edit1->setText("localhost");
        form->Edit2->setText("1234567@localhost");
        form->Edit3->setText("demo2026");
        WatchStatusLine();
    }

    void TearDown() override {
        delete form.data();
        FormFTP = nullptr;
        QDir::setCurrent(previousDir);
    }

    // Notes the status line after every notification that may set it, so that repeated texts and
    // reports that leave the line as it was show up too.
    void WatchStatusLine() {
        const auto watch = [this](auto& callback) {
            callback = [this, original = callback](auto&&... arguments) {
                original(arguments...);
                statuses.append(form->StatusBar1->currentMessage());
            };
        };
        FtpClient& client = *form->NMFTP1;
        watch(client.OnSuccess);
        watch(client.OnFailure);
        watch(client.OnUnSupportedFunction);
        watch(client.OnTransactionStart);
        watch(client.OnTransactionStop);
        watch(client.OnPacketSent);
        watch(client.OnPacketRecvd);
    }

    QStringList BoxTexts() const {
        QStringList texts;
        for (const BoxRequest& box : boxes.shown)
            texts.append(box.text);
        return texts;
    }

    RecordingBoxes boxes;
    ScriptedFtpServer server;
    QTemporaryDir workDir;
    QString previousDir;
    QPointer<TFormFTP> form;
    QStringList statuses;
};

const QByteArrayList LoggedIn = {"USER 1234567@localhost", "PASS demo2026", "CWD "};

TEST_F(TransferFormTest, CreatedWithTheVendorsServerAndNeverShown) {
    TFormFTP fresh;
    EXPECT_EQ(fresh.Edit1->text(), QString::fromUtf8(vendor::WebHost));
    EXPECT_EQ(fresh.Edit2->text(), QString::fromUtf8(vendor::FtpUser));
    EXPECT_EQ(fresh.Edit3->text(), QString::fromUtf8(vendor::FtpPassword));
    for (const QLineEdit* edit : {fresh.Edit1, fresh.Edit2, fresh.Edit3}) {
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(edit->isHidden());
    }
    EXPECT_EQ(fresh.windowTitle(), "FormF");
    EXPECT_EQ(fresh.Button1->text(), "Connetti UpLoad");
    EXPECT_EQ(fresh.Button2->text(), "UpLoad");
    EXPECT_EQ(fresh.Button7->text(), "Disconnetti");
    EXPECT_FALSE(fresh.isVisible());
    EXPECT_FALSE(fresh.NMFTP1->Connected());
}

TEST_F(TransferFormTest, GoodOrderReportsEveryStepOnTheStatusLine) {
    WriteOrderFile(OrderBytes);
    form->Button1Click(form->Button1);

    const QString size = QString::number(OrderBytes.size());
    EXPECT_EQ(statuses, (QStringList{"ChangeDir   success", "DoCommand   success", "DoCommand   success",
                                     "Beginning   Data   Transfer", size + "   of   " + size,
                                     "Data   Transfer   Complete", "UploadAppend   success"}));
    EXPECT_TRUE(form->NMFTP1->Connected()) << "the connection stays up until the disconnect";
    EXPECT_EQ(server.data, OrderBytes);
    EXPECT_TRUE(boxes.shown.isEmpty());

    form->Button7Click(form->Button7);
    EXPECT_FALSE(form->NMFTP1->Connected());
    EXPECT_EQ(server.lines,
              (LoggedIn + QByteArrayList{"TYPE L 8", "ALLO " + size.toLatin1(), server.lines.value(5),
                                         "APPE localhost/xLomberkAcq.txt", "QUIT"}));
    EXPECT_TRUE(server.lines.value(5).startsWith("PORT 127,0,0,1,"));
}

TEST_F(TransferFormTest, Button1OnAConnectedClientDisconnects) {
    WriteOrderFile(OrderBytes);
    form->Button1Click(form->Button1);
    const qsizetype linesAfterOrder = server.lines.size();

    form->Button1Click(form->Button1);
    EXPECT_FALSE(form->NMFTP1->Connected());
    EXPECT_EQ(server.lines.mid(linesAfterOrder), (QByteArrayList{"QUIT"}));
    EXPECT_EQ(server.controlConnections, 1);
}

TEST_F(TransferFormTest, RefusalWith500LeavesTheFailureTextAndPassesTheError) {
    WriteOrderFile(OrderBytes);
    server.answers["TYPE"] = {"500 TYPE not understood\r\n"};

    EXPECT_EQ(ErrorOf([this] { form->Button1Click(form->Button1); }), "500 TYPE not understood");
    EXPECT_EQ(statuses, (QStringList{"ChangeDir   success", "DoCommand not supported by this server",
                                     "DoCommand   failure"}));
    EXPECT_EQ(form->StatusBar1->currentMessage(), "DoCommand   failure");
    EXPECT_FALSE(form->NMFTP1->Connected());
    EXPECT_EQ(server.lines, (LoggedIn + QByteArrayList{"TYPE L 8", "QUIT"}));
}

TEST_F(TransferFormTest, MissingOrderFileIsAnErrorNotASilentReturn) {
    EXPECT_EQ(ErrorOf([this] { form->Button1Click(form->Button1); }),
              "Cannot open the local file \"xLomberkAcq.txt\": No such file or directory");
    EXPECT_EQ(statuses, (QStringList{"ChangeDir   success"}));
    EXPECT_FALSE(form->NMFTP1->Connected());
    EXPECT_EQ(server.lines, (LoggedIn + QByteArrayList{"QUIT"}));
}

TEST_F(TransferFormTest, StatusTextsOfEveryKind) {
    struct Texts {
        const char* success;
        const char* failure;
        const char* unsupported;
    };
    const std::array<Texts, 16> expected = {{
        {"ChangeDir   success", "ChangeDir   failure", "ChangeDir not supported by this server"},
        {"MakeDir   success", "MakeDir   failure", "MakeDir not supported by this server"},
        {"Delete   success", "Delete   failure", "Delete not supported by this server"},
        {"RemoveDir   success", "RemoveDir   failure", "RemoveDir not supported by this server"},
        {"List   success", "List   failure", "List not supported by this server"},
        {"Rename   success", "Rename   failure", "Rename not supported by this server"},
        {"UploadRestore   success", "UploadRestore   failure", "UploadRestore not supported by this server"},
        {"DownloadRestore   success", "DownloadRestore   failure",
         "DownloadRestore not supported by this server"},
        {"Download   success", "Download   failure", "Download not supported by this server"},
        {"Upload   success", "Upload   failure", "Upload not supported by this server"},
        {"UploadAppend   success", "UploadAppend   failure", "UploadAppend not supported by this server"},
        {"ReInit   success", "ReInit   failure", "Reinitialize not supported by this server"},
        {"Allocate   success", "Allocate   failure", "Allocate not supported by this server"},
        {"NList   success", "NList   failure", "NList not supported by this server"},
        {"DoCommand   success", "DoCommand   failure", "DoCommand not supported by this server"},
        {"earlier text", "earlier text", "CurrentDir not supported by this server"}, // kind 15
    }};
    for (int kind = 0; kind < 16; ++kind) {
        const auto type = static_cast<TCmdType>(kind);
        SCOPED_TRACE(kind);
        form->StatusBar1->showMessage("earlier text");
        form->NMFTP1Success(type);
        EXPECT_EQ(form->StatusBar1->currentMessage(), expected[kind].success);
        form->StatusBar1->showMessage("earlier text");
        bool handled = false;
        form->NMFTP1Failure(handled, type);
        EXPECT_EQ(form->StatusBar1->currentMessage(), expected[kind].failure);
        EXPECT_FALSE(handled);
        form->NMFTP1UnSupportedFunction(type);
        EXPECT_EQ(form->StatusBar1->currentMessage(), expected[kind].unsupported);
    }
    EXPECT_TRUE(boxes.shown.isEmpty());
}

// A way into connection trouble, the boxes it shows and the error it ends with.
struct TroubleCase {
    const char* name;
    std::function<void(TransferFormTest&, ScriptedFtpServer&, TFormFTP&)> cause;
    QStringList boxes;
};

void PrintTo(const TroubleCase& c, std::ostream* out) {
    *out << c.name;
}

class TroubleTest : public TransferFormTest, public ::testing::WithParamInterface<TroubleCase> {};

TEST_P(TroubleTest, InformationBoxesBeforeTheError) {
    const TroubleCase& c = GetParam();
    c.cause(*this, server, *form);
    EXPECT_EQ(BoxTexts(), c.boxes);
    for (const BoxRequest& box : boxes.shown) {
        EXPECT_EQ(box.caption, "Information");
        EXPECT_EQ(box.icon, BoxIcon::Information);
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
    }
    EXPECT_FALSE(form->NMFTP1->Connected());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TroubleTest,
    ::testing::Values(
        TroubleCase{"connection_refused",
                    [](TransferFormTest&, ScriptedFtpServer&, TFormFTP& form) {
                        form.SetTransferEndpointForTesting(ClosedPort(), {5000, 5000, 5000, 5000, 5000});
                        EXPECT_EQ(ErrorOf([&] { form.Button1Click(form.Button1); }), "Connection Failed");
                    },
                    {"connection failed"}},
        TroubleCase{"login_refused",
                    [](TransferFormTest&, ScriptedFtpServer& server, TFormFTP& form) {
                        server.answers["PASS"] = {"530 Login incorrect\r\n"};
                        EXPECT_EQ(ErrorOf([&] { form.Button1Click(form.Button1); }), "530 Login incorrect");
                    },
                    {"connection failed"}},
        TroubleCase{"command_without_connection",
                    [](TransferFormTest&, ScriptedFtpServer& server, TFormFTP& form) {
                        WriteOrderFile(OrderBytes);
                        EXPECT_EQ(ErrorOf([&] { form.Button2Click(form.Button2); }), "Not Connected");
                        EXPECT_EQ(server.controlConnections, 0);
                    },
                    {"connection requierd"}},
        TroubleCase{"empty_password",
                    [](TransferFormTest&, ScriptedFtpServer& server, TFormFTP& form) {
                        WriteOrderFile(OrderBytes);
                        form.Edit3->clear();
                        form.Button1Click(form.Button1);
                        form.Button7Click(form.Button7);
                        EXPECT_EQ(server.lines.value(1), "PASS ");
                        EXPECT_EQ(server.data, OrderBytes) << "the login goes on regardless";
                    },
                    {"authentication needed"}}),
    [](const ::testing::TestParamInfo<TroubleCase>& info) { return std::string(info.param.name); });

TEST_F(TransferFormTest, HandlersWithAFlagLeaveItFalse) {
    bool handled = false;
    form->NMFTP1ConnectionRequired(handled);
    EXPECT_FALSE(handled);
    form->NMFTP1AuthenticationNeeded(handled);
    EXPECT_FALSE(handled);
    form->NMFTP1ConnectionFailed();
    EXPECT_EQ(BoxTexts(), (QStringList{"connection requierd", "authentication needed", "connection failed"}));
}

TEST_F(TransferFormTest, DisconnectAndCloseOnADisconnectedClientSendNothing) {
    form->Button7Click(form->Button7);
    EXPECT_EQ(server.controlConnections, 0);

    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull()) << "closing disposes of the form";
    EXPECT_EQ(FormFTP, nullptr);
    EXPECT_EQ(server.controlConnections, 0);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(TransferFormTest, CloseAfterTheSendSequenceSendsNothingMore) {
    WriteOrderFile(OrderBytes);
    form->Button1Click(form->Button1);
    form->Button7Click(form->Button7);
    const QByteArrayList lines = server.lines;

    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(server.lines, lines);
    EXPECT_EQ(server.lines.last(), "QUIT");
}

TEST_F(TransferFormTest, UserClickReportsTheErrorInTheErrorBox) {
    server.answers["USER"] = {"530 Not logged in\r\n"};
    form->Button1->click();
    ASSERT_EQ(boxes.shown.size(), 2);
    EXPECT_EQ(boxes.shown[0].text, "connection failed");
    EXPECT_EQ(boxes.shown[1].text, "530 Not logged in");
    EXPECT_EQ(boxes.shown[1].icon, BoxIcon::Error);
}

TEST(TransferFormRealServer, TwoOrdersLandInTheHostNamedFolderByteForByte) {
    PyFtpServer server(PYFTPD_SCRIPT, "1234567@localhost", "demo2026");
    ASSERT_TRUE(server.failure().isEmpty()) << server.failure().toStdString();
    QTemporaryDir workDir;
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(workDir.path());
    RecordingBoxes boxes;
    {
        TFormFTP form;
        form.SetTransferEndpointForTesting(server.port(), {10000, 10000, 10000, 10000, 10000});
        form.Edit1->setText("localhost");
        form.Edit2->setText("1234567@localhost");
        form.Edit3->setText("demo2026");
        WriteOrderFile(OrderBytes);
        for (int order = 0; order < 2; ++order) {
            form.Button1Click(form.Button1);
            EXPECT_EQ(form.StatusBar1->currentMessage(), "UploadAppend   success");
            form.Button7Click(form.Button7);
        }
    }
    QDir::setCurrent(previousDir);
    QFile remote(server.pathOf("localhost/xLomberkAcq.txt"));
    ASSERT_TRUE(remote.open(QIODevice::ReadOnly));
    EXPECT_EQ(remote.readAll(), OrderBytes + OrderBytes);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

} // namespace
