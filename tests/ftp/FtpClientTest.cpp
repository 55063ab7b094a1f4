// The client against a scripted server: the exact lines on the wire, the notifications in order, and
// every refusal, failure and time bound.
#include "ClosedPort.h"
#include "FtpTestDriver.h"
#include "ScriptedFtpServer.h"

#include "ftp/FtpClient.h"
#include "ftp/FtpErrors.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <typeinfo>

namespace {

// An order record as it lies on disk: CR LF line ends and bytes above 0x7F.
const QByteArray OrderBytes = "%0& Rossi Mario\r\n%1& mario@example.com\r\n%2& caf\xe9 \x80 \xff\r\n";

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

enum class Raised { Nothing, SockError, FtpError, InOutError, NotConnected, BadArgument };

const char* RaisedName(Raised raised) {
    switch (raised) {
    case Raised::Nothing:
        return "nothing";
    case Raised::SockError:
        return "ESockError";
    case Raised::FtpError:
        return "FTPException";
    case Raised::InOutError:
        return "EInOutError";
    case Raised::NotConnected:
        return "plain error";
    case Raised::BadArgument:
        return "invalid argument";
    }
    return "?";
}

Raised Classify(const std::exception_ptr& error, QString* text) {
    if (!error)
        return Raised::Nothing;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        *text = QString::fromUtf8(e.what());
        if (dynamic_cast<const ESockError*>(&e))
            return Raised::SockError;
        if (dynamic_cast<const FTPException*>(&e))
            return Raised::FtpError;
        if (dynamic_cast<const EInOutError*>(&e))
            return Raised::InOutError;
        if (dynamic_cast<const std::invalid_argument*>(&e))
            return Raised::BadArgument;
        if (typeid(e) == typeid(std::runtime_error))
            return Raised::NotConnected;
    }
    *text = QStringLiteral("unexpected error");
    return Raised::Nothing;
}

class ScriptedClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        order.localFile = dir.filePath("xLomberkAcq.txt");
        WriteFile(order.localFile, OrderBytes);
        PrepareClient(client, server.port());
        log.attach(client);
        order.install(client, log);
    }

    // The lines received, with the PORT line's numbers checked against what the server parsed and
    // replaced by "PORT".
    QByteArrayList ReceivedLines() const {
        QByteArrayList lines = server.lines;
        for (QByteArray& line : lines) {
            if (line.startsWith("PORT ")) {
                EXPECT_EQ(line, QStringLiteral("PORT 127,0,0,1,%1,%2")
                                    .arg(server.portNumber >> 8)
                                    .arg(server.portNumber & 0xFF)
                                    .toLatin1());
                line = "PORT";
            }
        }
        return lines;
    }

    bool ServerSawTheClose() const {
        return QTest::qWaitFor([this] { return !server.controlOpen(); }, 5000);
    }

    QTemporaryDir dir;
    ScriptedFtpServer server;
    FtpClient client;
    NotificationLog log;
    OrderRun order;
};

TEST_F(ScriptedClientTest, GoodOrderLineByLineWithMultiLineReplies) {
    server.greeting = "220-Welcome\r\n220-Orders only\r\n220 Ready\r\n";
    server.answers["TYPE"] = {"200-Type set\r\n free text in between\r\n200 L 8\r\n"};
    server.finalReply = "226-Transfer complete\r\n226 Closing data connection\r\n";
    server.answers["QUIT"] = {"221-Goodbye\r\n221 Thank you\r\n", true};

    client.Connect();
    EXPECT_TRUE(client.Connected());
    EXPECT_EQ(server.data, OrderBytes);
    client.Disconnect();
    EXPECT_FALSE(client.Connected());
    EXPECT_TRUE(ServerSawTheClose());

    const QByteArray size = QByteArray::number(OrderBytes.size());
    EXPECT_EQ(ReceivedLines(),
              (QByteArrayList{"USER 1234567@localhost", "PASS demo2026", "CWD ", "TYPE L 8", "ALLO " + size,
                              "PORT", "APPE localhost/xLomberkAcq.txt", "QUIT"}));
    EXPECT_EQ(server.received, server.lines.join("\r\n") + "\r\n") << "every line ends in CR LF";
    EXPECT_EQ(server.portAddress, QHostAddress(QHostAddress::LocalHost));
    const QString piece = QStringLiteral("PacketSent %1 of %1").arg(OrderBytes.size());
    EXPECT_EQ(log.events, (QStringList{"Connect", "Success 0", "Success 14", "Success 14", "TransactionStart",
                                       piece, "TransactionStop", "Success 10", "Disconnect"}));
}

// One row of the failure table or one of its edge cases.
struct FailureCase {
    const char* name;
    // Changes the script or the client; may return a check to run after the order.
    std::function<std::function<void()>(ScriptedFtpServer&, FtpClient&, OrderRun&)> setup;
    QByteArrayList lines; // "ALLO {size}" stands for the file's size, "PORT" for the PORT line
    QStringList events;   // "{piece}" stands for the one progress report of the whole file
    Raised raised;
    QString text; // "{file}" stands for the local file's path, "{port}" for the server's port
    bool dataSent;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

const QByteArrayList LoggedIn = {"USER 1234567@localhost", "PASS demo2026", "CWD "};
const QByteArrayList UpToAppend =
    LoggedIn + QByteArrayList{"TYPE L 8", "ALLO {size}", "PORT", "APPE localhost/xLomberkAcq.txt"};
const QStringList Prepared = {"Connect", "Success 0", "Success 14", "Success 14"};
const QStringList Transferred = Prepared + QStringList{"TransactionStart", "{piece}", "TransactionStop"};

std::function<void()> NoCheck() {
    return {};
}

// Gives a reply to one verb.
auto Reply(const QByteArray& verb, const QByteArray& reply, bool closeAfter = false) {
    return [=](ScriptedFtpServer& server, FtpClient&, OrderRun&) {
        server.answers[verb] = {reply, closeAfter};
        return NoCheck();
    };
}

std::function<void()> ForeignConnectionFirst(ScriptedFtpServer& server, FtpClient&, OrderRun&) {
    // Someone else reaches the data port first (from 127.0.0.2), and the port is tried on another
    // local address; the server connects only once the client has turned the stranger away.
    auto foreign = std::make_shared<QTcpSocket>();
    auto probe = std::make_shared<QTcpSocket>();
    auto probeRefused = std::make_shared<bool>(false);
    server.onPort = [&server, foreign, probe, probeRefused](const QHostAddress& address, quint16 port) {
        QObject::connect(probe.get(), &QTcpSocket::errorOccurred,
                         [probeRefused](QAbstractSocket::SocketError e) {
                             *probeRefused = e == QAbstractSocket::ConnectionRefusedError;
                         });
        probe->connectToHost(QHostAddress("127.0.0.2"), port);
        QObject::connect(foreign.get(), &QTcpSocket::disconnected, &server,
                         [&server, address, port] { server.connectData(address, port); });
        foreign->bind(QHostAddress("127.0.0.2"));
        foreign->connectToHost(address, port);
    };
    return [foreign, probeRefused] {
        EXPECT_EQ(foreign->state(), QAbstractSocket::UnconnectedState) << "the stranger was let in";
        EXPECT_TRUE(foreign->readAll().isEmpty());
        EXPECT_TRUE(*probeRefused) << "the data port listens on other addresses too";
    };
}

std::function<void()> ConnectionNeverAccepted(ScriptedFtpServer&, FtpClient& client, OrderRun&) {
    // A listener whose queue is full and that accepts nothing: the system drops further attempts
    // without an answer.
    auto full = std::make_shared<QTcpServer>();
    full->setListenBacklogSize(0);
    full->listen(QHostAddress::LocalHost, 0);
    full->pauseAccepting();
    auto occupant = std::make_shared<QTcpSocket>();
    occupant->connectToHost(QHostAddress::LocalHost, full->serverPort());
    EXPECT_TRUE(occupant->waitForConnected(5000));
    client.Port = full->serverPort();
    client.setTimeouts({10000, 300, 10000, 10000, 10000});
    return [full, occupant] {
    };
}

class FailureTableTest : public ScriptedClientTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailureTableTest, NotificationsErrorAndClosedConnection) {
    const FailureCase& c = GetParam();
    const std::function<void()> check = c.setup(server, client, order);

    QString text;
    const Raised raised = Classify(Outcome([this] { client.Connect(); }), &text);
    if (raised == Raised::Nothing && client.Connected())
        client.Disconnect();
    EXPECT_EQ(RaisedName(raised), RaisedName(c.raised)) << text.toStdString();
    QString expectedText = c.text;
    expectedText.replace("{file}", order.localFile).replace("{port}", QString::number(client.Port));
    EXPECT_EQ(text, expectedText);
    EXPECT_FALSE(client.Connected());
    if (server.controlConnections > 0) {
        EXPECT_TRUE(ServerSawTheClose());
    }

    const QByteArray size = QByteArray::number(QFile(order.localFile).size());
    QByteArrayList lines = c.lines;
    for (QByteArray& line : lines)
        line.replace("{size}", size);
    EXPECT_EQ(ReceivedLines(), lines);
    QStringList events = c.events;
    events.replaceInStrings("{piece}", QStringLiteral("PacketSent %1 of %1").arg(size));
    EXPECT_EQ(log.events, events);
    EXPECT_EQ(server.data, c.dataSent ? OrderBytes : QByteArray());
    if (check)
        check();
}

INSTANTIATE_TEST_SUITE_P(Cases, FailureTableTest,
                         ::testing::
                             Values(FailureCase{"unresolvable_host",
                                                [](ScriptedFtpServer&, FtpClient& client, OrderRun&) {
                                                    client.Host = "no-such-host.invalid";
                                                    return NoCheck();
                                                },
                                                {},
                                                {},
                                                Raised::SockError,
                                                "Null Remote Address",
                                                false},
                                    FailureCase{"connection_refused",
                                                [](ScriptedFtpServer&, FtpClient& client, OrderRun&) {
                                                    client.Port = ClosedPort();
                                                    return NoCheck();
                                                },
                                                {},
                                                {"ConnectionFailed"},
                                                Raised::SockError,
                                                "Connection Failed",
                                                false},
                                    FailureCase{"connection_never_accepted",
                                                ConnectionNeverAccepted,
                                                {},
                                                {"ConnectionFailed"},
                                                Raised::SockError,
                                                "Timed out connecting to localhost:{port}",
                                                false},
                                    FailureCase{"greeting_refuses",
                                                [](ScriptedFtpServer& server, FtpClient&, OrderRun&) {
                                                    server.greeting = "421 Too many users, try later\r\n";
                                                    return NoCheck();
                                                },
                                                {"QUIT"},
                                                {"ConnectionFailed", "Disconnect"},
                                                Raised::FtpError,
                                                "421 Too many users, try later",
                                                false},
                                    FailureCase{"user_refused",
                                                Reply("USER", "530 Not logged in\r\n"),
                                                {"USER 1234567@localhost", "QUIT"},
                                                {"ConnectionFailed", "Disconnect"},
                                                Raised::FtpError,
                                                "530 Not logged in",
                                                false},
                                    FailureCase{"password_refused",
                                                Reply("PASS", "530 Login incorrect\r\n"),
                                                {"USER 1234567@localhost", "PASS demo2026", "QUIT"},
                                                {"ConnectionFailed", "Disconnect"},
                                                Raised::FtpError,
                                                "530 Login incorrect",
                                                false},
                                    FailureCase{"user_reply_230_skips_password",
                                                Reply("USER", "230 Logged in\r\n"),
                                                {"USER 1234567@localhost", "CWD ", "TYPE L 8", "ALLO {size}",
                                                 "PORT", "APPE localhost/xLomberkAcq.txt", "QUIT"},
                                                Transferred + QStringList{"Success 10", "Disconnect"},
                                                Raised::Nothing,
                                                "",
                                                true},
                                    FailureCase{"empty_password_asks_for_authentication",
                                                [](ScriptedFtpServer&, FtpClient& client, OrderRun&) {
                                                    client.Password.clear();
                                                    return NoCheck();
                                                },
                                                {"USER 1234567@localhost", "PASS ", "CWD ", "TYPE L 8",
                                                 "ALLO {size}", "PORT", "APPE localhost/xLomberkAcq.txt",
                                                 "QUIT"},
                                                QStringList{"AuthenticationNeeded"} + Transferred +
                                                    QStringList{"Success 10", "Disconnect"},
                                                Raised::Nothing,
                                                "",
                                                true},
                                    FailureCase{"password_in_code_page_1252",
                                                [](ScriptedFtpServer&, FtpClient& client, OrderRun&) {
                                                    client.Password = QString::fromUtf8("d\u20acmo\u00ff");
                                                    return NoCheck();
                                                },
                                                {"USER 1234567@localhost", "PASS d\x80mo\xff", "CWD ",
                                                 "TYPE L 8", "ALLO {size}", "PORT",
                                                 "APPE localhost/xLomberkAcq.txt", "QUIT"},
                                                Transferred + QStringList{"Success 10", "Disconnect"},
                                                Raised::Nothing,
                                                "",
                                                true},
                                    FailureCase{"password_outside_code_page_1252",
                                                [](ScriptedFtpServer&, FtpClient& client, OrderRun&) {
                                                    client.Password = QString::fromUtf8("demo\u4e2d");
                                                    return NoCheck();
                                                },
                                                {"USER 1234567@localhost", "QUIT"},
                                                {"Disconnect"},
                                                Raised::BadArgument,
                                                "An FTP command holds a character outside code page 1252",
                                                false},
                                    FailureCase{"change_dir_refused",
                                                Reply("CWD", "550 No such directory\r\n"),
                                                LoggedIn + QByteArrayList{"QUIT"},
                                                {"Connect", "Failure 0", "Disconnect"},
                                                Raised::FtpError,
                                                "550 No such directory",
                                                false},
                                    FailureCase{"change_dir_not_supported",
                                                Reply("CWD", "502 CWD not implemented\r\n"),
                                                LoggedIn + QByteArrayList{"QUIT"},
                                                {"Connect", "Unsupported 0", "Failure 0", "Disconnect"},
                                                Raised::FtpError,
                                                "502 CWD not implemented",
                                                false},
                                    FailureCase{"type_not_supported",
                                                Reply("TYPE", "500 Unknown type\r\n"),
                                                LoggedIn + QByteArrayList{"TYPE L 8", "QUIT"},
                                                {"Connect", "Success 0", "Unsupported 14", "Failure 14",
                                                 "Disconnect"},
                                                Raised::FtpError,
                                                "500 Unknown type",
                                                false},
                                    FailureCase{"allocate_not_supported",
                                                Reply("ALLO", "502 ALLO not implemented\r\n"),
                                                LoggedIn + QByteArrayList{"TYPE L 8", "ALLO {size}", "QUIT"},
                                                {"Connect", "Success 0", "Success 14", "Unsupported 14",
                                                 "Failure 14", "Disconnect"},
                                                Raised::FtpError,
                                                "502 ALLO not implemented",
                                                false},
                                    FailureCase{
                                        "allocate_refused",
                                        Reply("ALLO", "452 Insufficient storage\r\n"),
                                        LoggedIn + QByteArrayList{"TYPE L 8", "ALLO {size}", "QUIT"},
                                        {"Connect", "Success 0", "Success 14", "Failure 14", "Disconnect"},
                                        Raised::FtpError,
                                        "452 Insufficient storage",
                                        false},
                                    FailureCase{"port_refused",
                                                [](ScriptedFtpServer& server, FtpClient&, OrderRun&) {
                                                    server.answers["PORT"] = {"501 Illegal PORT command\r\n"};
                                                    server.onPort = [](const QHostAddress&, quint16) {
                                                    };
                                                    return NoCheck();
                                                },
                                                LoggedIn + QByteArrayList{"TYPE L 8", "ALLO {size}", "PORT",
                                                                          "QUIT"},
                                                Prepared + QStringList{"Failure 10", "Disconnect"},
                                                Raised::FtpError, "501 Illegal PORT command", false},
                                    FailureCase{
                                        "append_not_supported", Reply("APPE", "502 APPE not implemented\r\n"),
                                        UpToAppend + QByteArrayList{"QUIT"},
                                        Prepared + QStringList{"Unsupported 10", "Failure 10", "Disconnect"},
                                        Raised::FtpError, "502 APPE not implemented", false},
                                    FailureCase{"append_refused", Reply("APPE", "550 Permission denied\r\n"),
                                                UpToAppend + QByteArrayList{"QUIT"},
                                                Prepared + QStringList{"Failure 10", "Disconnect"},
                                                Raised::FtpError, "550 Permission denied", false},
                                    FailureCase{"empty_file",
                                                [](ScriptedFtpServer&, FtpClient&, OrderRun& order) {
                                                    WriteFile(order.localFile, {});
                                                    return NoCheck();
                                                },
                                                UpToAppend + QByteArrayList{"QUIT"},
                                                Prepared + QStringList{"TransactionStart", "TransactionStop",
                                                                       "Success 10", "Disconnect"},
                                                Raised::Nothing, "", false},
                                    FailureCase{
                                        "local_file_missing",
                                        [](ScriptedFtpServer&, FtpClient&, OrderRun& order) {
                                            QFile::remove(order.localFile);
                                            return NoCheck();
                                        },
                                        LoggedIn + QByteArrayList{"TYPE L 8", "QUIT"},
                                        {"Connect", "Success 0", "Success 14", "Disconnect"},
                                        Raised::InOutError,
                                        "Cannot open the local file \"{file}\": No such file or directory",
                                        false},
                                    FailureCase{
                                        "command_after_server_closed_connection",
                                        [](ScriptedFtpServer& server, FtpClient&, OrderRun& order) {
                                            server.answers["CWD"] = {"250 Directory changed\r\n", true};
                                            order.afterChangeDir = [](FtpClient& client) {
                                                EXPECT_TRUE(QTest::qWaitFor(
                                                    [&client] { return !client.Connected(); }, 5000));
                                            };
                                            return NoCheck();
                                        },
                                        LoggedIn,
                                        {"Connect", "Success 0", "Disconnect", "ConnectionRequired"},
                                        Raised::NotConnected,
                                        "Not Connected",
                                        false},
                                    FailureCase{"reply_cut_short",
                                                Reply("USER", "331-Password\r\n331-required", true),
                                                {"USER 1234567@localhost"},
                                                {"Disconnect"},
                                                Raised::SockError,
                                                "The server closed the connection in the middle of its reply",
                                                false},
                                    FailureCase{"closed_instead_of_replying",
                                                Reply("PASS", "", true),
                                                {"USER 1234567@localhost", "PASS demo2026"},
                                                {"Disconnect"},
                                                Raised::SockError,
                                                "The server closed the connection instead of replying",
                                                false},
                                    FailureCase{"silent_server",
                                                [](ScriptedFtpServer& server, FtpClient& client, OrderRun&) {
                                                    server.greeting.clear();
                                                    client.setTimeouts({10000, 10000, 300, 10000, 10000});
                                                    return NoCheck();
                                                },
                                                {},
                                                {"Disconnect"},
                                                Raised::SockError,
                                                "Timed out waiting for the server's reply",
                                                false},
                                    FailureCase{"data_connection_never_made",
                                                [](ScriptedFtpServer& server, FtpClient& client, OrderRun&) {
                                                    server.onPort = [](const QHostAddress&, quint16) {
                                                    };
                                                    client.setTimeouts({10000, 10000, 10000, 300, 10000});
                                                    return NoCheck();
                                                },
                                                UpToAppend + QByteArrayList{"QUIT"},
                                                Prepared + QStringList{"Disconnect"}, Raised::SockError,
                                                "Timed out waiting for the server's data connection", false},
                                    FailureCase{"server_gives_up_before_connecting",
                                                [](ScriptedFtpServer& server, FtpClient&, OrderRun&) {
                                                    server.onPort = [](const QHostAddress&, quint16) {
                                                    };
                                                    server.answers["APPE"] = {
                                                        "150 Opening\r\n425 Can't open data connection\r\n"};
                                                    return NoCheck();
                                                },
                                                UpToAppend + QByteArrayList{"QUIT"},
                                                Prepared + QStringList{"Failure 10", "Disconnect"},
                                                Raised::FtpError, "425 Can't open data connection", false},
                                    FailureCase{"foreign_data_connection_turned_away", ForeignConnectionFirst,
                                                UpToAppend + QByteArrayList{"QUIT"},
                                                Transferred + QStringList{"Success 10", "Disconnect"},
                                                Raised::Nothing, "", true},
                                    FailureCase{"oversized_reply_line",
                                                [](ScriptedFtpServer& server, FtpClient&, OrderRun&) {
                                                    server.greeting =
                                                        "220 " + QByteArray(70000, 'x') + "\r\n";
                                                    return NoCheck();
                                                },
                                                {},
                                                {"Disconnect"},
                                                Raised::SockError,
                                                "The server sent a reply line longer than 65536 bytes",
                                                false},
                                    FailureCase{"final_reply_refuses",
                                                [](ScriptedFtpServer& server, FtpClient&, OrderRun&) {
                                                    server.finalReply =
                                                        "451-Write failed\r\n451 Disk full\r\n";
                                                    return NoCheck();
                                                },
                                                UpToAppend + QByteArrayList{"QUIT"},
                                                Transferred + QStringList{"Failure 10", "Disconnect"},
                                                Raised::FtpError, "451-Write failed", true},
                                    FailureCase{"line_break_in_remote_path",
                                                [](ScriptedFtpServer&, FtpClient&, OrderRun& order) {
                                                    order.remotePath = "localhost/x.txt\r\nDELE other.txt";
                                                    return NoCheck();
                                                },
                                                LoggedIn +
                                                    QByteArrayList{"TYPE L 8", "ALLO {size}", "PORT", "QUIT"},
                                                Prepared + QStringList{"Disconnect"}, Raised::BadArgument,
                                                "An FTP command must not contain a line break", false}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ScriptedClientTest, DisconnectSendsQuitOnlyWhenConnectedAndJudgesItsReply) {
    client.OnConnect = nullptr;
    client.Disconnect(); // never connected: nothing to send
    EXPECT_EQ(server.controlConnections, 0);

    server.answers["QUIT"] = {"500 QUIT not understood\r\n"};
    client.Connect();
    EXPECT_THROW(
        {
            try {
                client.Disconnect();
            } catch (const FTPException& e) {
                EXPECT_STREQ(e.what(), "500 QUIT not understood");
                EXPECT_FALSE(client.Connected()) << "closed before the error";
                throw;
            }
        },
        FTPException);
    EXPECT_TRUE(ServerSawTheClose());
    client.Disconnect();
    EXPECT_EQ(server.lines, (QByteArrayList{"USER 1234567@localhost", "PASS demo2026", "QUIT"}));
    EXPECT_EQ(log.events, (QStringList{"Disconnect"}));
}

TEST_F(ScriptedClientTest, OperationStartedDuringAWaitIsRefusedAndTheWaitGoesOn) {
    // While the client waits for the reply to "CWD ", the event loop runs a handler that tries to use
    // the same client; then the reply arrives.
    std::exception_ptr nested;
    server.answers["CWD"] = {""};
    server.onLine = [&](const QByteArray& line) {
        if (line.startsWith("CWD"))
            QTimer::singleShot(0, [&] {
                nested = Outcome([&] { client.Disconnect(); });
                server.sendControl("250 Directory changed\r\n");
            });
    };
    client.OnConnect = [&] {
        client.ChangeDir("");
    };
    client.Connect();
    ASSERT_TRUE(nested);
    EXPECT_THROW(std::rethrow_exception(nested), std::logic_error);
    EXPECT_TRUE(client.Connected());
    client.Disconnect();
    EXPECT_EQ(server.lines, (QByteArrayList{"USER 1234567@localhost", "PASS demo2026", "CWD ", "QUIT"}));
    EXPECT_EQ(log.events, (QStringList{"Success 0", "Disconnect"}));
}

TEST_F(ScriptedClientTest, ErrorFromTheConnectNotificationClosesAndPassesOn) {
    client.OnConnect = [] {
        throw std::runtime_error("stopped by the handler");
    };
    EXPECT_THROW(client.Connect(), std::runtime_error);
    EXPECT_FALSE(client.Connected());
    EXPECT_TRUE(ServerSawTheClose());
    EXPECT_EQ(server.lines, (QByteArrayList{"USER 1234567@localhost", "PASS demo2026", "QUIT"}));
}

} // namespace
