#pragma once

#include "ftp/FtpClient.h"

#include <QString>
#include <QStringList>

#include <exception>
#include <functional>

// Records every notification of a client as one short text ("Success 14", "PacketSent 5 of 5", ...).
struct NotificationLog {
    QStringList events;
    void attach(FtpClient& client);
};

// One order as the transfer form sends it: from the connect notification, "CWD " with an empty name,
// then the transfer type, the size and the append-upload of localFile to remotePath.
struct OrderRun {
    QString localFile;
    QString remotePath = QStringLiteral("localhost/xLomberkAcq.txt");
    // Runs between the change of directory and the rest, to let the test change the situation.
    std::function<void(FtpClient&)> afterChangeDir;

    // Installs the sequence as the client's OnConnect (logged as "Connect").
    void install(FtpClient& client, NotificationLog& log);
};

// Points the client at a test server on loopback with the demo account and generous time bounds; only
// the cases about time bounds shorten them.
void PrepareClient(FtpClient& client, quint16 port);

// Runs an operation and returns what it raised, if anything.
std::exception_ptr Outcome(const std::function<void()>& operation);
