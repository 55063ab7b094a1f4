#include "FtpTestDriver.h"

void NotificationLog::attach(FtpClient& client) {
    const auto note = [this](const QString& text) {
        events.append(text);
    };
    client.OnDisconnect = [note] {
        note("Disconnect");
    };
    client.OnConnectionFailed = [note] {
        note("ConnectionFailed");
    };
    client.OnPacketSent = [note, &client] {
        note(QStringLiteral("PacketSent %1 of %2").arg(client.SentBytes()).arg(client.TotalBytes()));
    };
    client.OnPacketRecvd = [note, &client] {
        note(QStringLiteral("PacketRecvd %1").arg(client.RecvdBytes()));
    };
    client.OnTransactionStart = [note] {
        note("TransactionStart");
    };
    client.OnTransactionStop = [note] {
        note("TransactionStop");
    };
    client.OnConnectionRequired = [note](bool&) {
        note("ConnectionRequired");
    };
    client.OnAuthenticationNeeded = [note](bool&) {
        note("AuthenticationNeeded");
    };
    client.OnSuccess = [note](TCmdType kind) {
        note(QStringLiteral("Success %1").arg(kind));
    };
    client.OnUnSupportedFunction = [note](TCmdType kind) {
        note(QStringLiteral("Unsupported %1").arg(kind));
    };
    client.OnFailure = [note](bool&, TCmdType kind) {
        note(QStringLiteral("Failure %1").arg(kind));
    };
}

void OrderRun::install(FtpClient& client, NotificationLog& log) {
    client.OnConnect = [this, &client, &log] {
        log.events.append("Connect");
        client.ChangeDir(QString());
        if (afterChangeDir)
            afterChangeDir(client);
        client.Mode(MODE_BYTE);
        client.Allocate(LocalFileSize(localFile));
        client.UploadAppend(localFile, remotePath);
    };
}

std::exception_ptr Outcome(const std::function<void()>& operation) {
    try {
        operation();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

void PrepareClient(FtpClient& client, quint16 port) {
    client.Host = "localhost";
    client.Port = port;
    client.UserID = "1234567@localhost";
    client.Password = "demo2026";
    client.setTimeouts({10000, 10000, 10000, 10000, 10000});
}
