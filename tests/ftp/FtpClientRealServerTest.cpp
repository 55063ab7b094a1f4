// The client against a real FTP server (pyftpdlib), with the account rights of the vendor's server:
// change directory and append only.
#include "FtpTestDriver.h"
#include "PyFtpServer.h"

#include "ftp/FtpClient.h"
#include "ftp/FtpErrors.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class RealServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.failure().isEmpty()) << server.failure().toStdString();
        ASSERT_TRUE(dir.isValid());
        order.localFile = dir.filePath("xLomberkAcq.txt");
    }

    void Prepare(FtpClient& client, NotificationLog& log) {
        PrepareClient(client, server.port());
        log.attach(client);
        order.install(client, log);
    }

    PyFtpServer server{PYFTPD_SCRIPT, "1234567@localhost", "demo2026"};
    QTemporaryDir dir;
    OrderRun order;
};

TEST_F(RealServerTest, AppendingTwiceLeavesTheLocalFileTwiceByteForByte) {
    QByteArray bytes = "%0& Rossi Mario\r\n%1& mario@example.com\r\n";
    for (int byte = 0; byte < 256; ++byte)
        bytes.append(static_cast<char>(byte));
    bytes.append("\r\n");
    WriteFile(order.localFile, bytes);

    for (int run = 0; run < 2; ++run) {
        FtpClient client;
        NotificationLog log;
        Prepare(client, log);
        client.Connect();
        client.Disconnect();
        const QString piece = QStringLiteral("PacketSent %1 of %1").arg(bytes.size());
        EXPECT_EQ(log.events,
                  (QStringList{"Connect", "Success 0", "Success 14", "Success 14", "TransactionStart", piece,
                               "TransactionStop", "Success 10", "Disconnect"}))
            << "run " << run;
    }
    EXPECT_EQ(ReadFile(server.pathOf("localhost/xLomberkAcq.txt")), bytes + bytes);
}

TEST_F(RealServerTest, LargeFileGoesInPiecesCountedFromZero) {
    QByteArray bytes(3 * 1024 * 1024 + 123, Qt::Uninitialized);
    QRandomGenerator generator(5);
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    WriteFile(order.localFile, bytes);

    FtpClient client;
    NotificationLog log;
    Prepare(client, log);
    QList<qint64> progress;
    client.OnPacketSent = [&] {
        EXPECT_EQ(client.TotalBytes(), bytes.size());
        progress.append(client.SentBytes());
    };
    client.Connect();
    client.Disconnect();
    EXPECT_EQ(ReadFile(server.pathOf("localhost/xLomberkAcq.txt")), bytes);
    ASSERT_GT(progress.size(), 1);
    EXPECT_GT(progress.first(), 0);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(std::adjacent_find(progress.begin(), progress.end()), progress.end()) << "a piece of 0 bytes";
    EXPECT_EQ(progress.last(), bytes.size());
}

TEST_F(RealServerTest, RefusalsOfTheRealServer) {
    WriteFile(order.localFile, "order\r\n");
    {
        FtpClient client;
        NotificationLog log;
        Prepare(client, log);
        client.Password = "wrong";
        EXPECT_THROW(client.Connect(), FTPException);
        EXPECT_FALSE(client.Connected());
        EXPECT_EQ(log.events, (QStringList{"ConnectionFailed", "Disconnect"}));
    }
    {
        // A folder that does not exist: the append is refused, nothing is created.
        FtpClient client;
        NotificationLog log;
        Prepare(client, log);
        order.remotePath = "elsewhere/xLomberkAcq.txt";
        EXPECT_THROW(client.Connect(), FTPException);
        EXPECT_FALSE(client.Connected());
        EXPECT_EQ(log.events, (QStringList{"Connect", "Success 0", "Success 14", "Success 14", "Failure 10",
                                           "Disconnect"}));
        EXPECT_FALSE(QFile::exists(server.pathOf("elsewhere/xLomberkAcq.txt")));
    }
}

} // namespace
