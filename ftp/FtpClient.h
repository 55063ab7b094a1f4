#pragma once

#include "ftp/FtpReply.h"
#include "ftp/FtpTypes.h"
#include "ftp/FtpWaiter.h"

#include <QAbstractSocket>
#include <QHostInfo>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class FtpDataConnection;
class QTcpSocket;

// FTP client on the control connection (the protocol interpreter): login, single commands and the
// append-upload in active mode, whose data connection is an FtpDataConnection.
//
// Every operation runs on the calling thread and returns when it is over. Its waits are nested
// event-loop passes, each bounded in time. The notifications are plain callbacks, called only from the
// client's own frames (never from a Qt signal), so they may raise errors and open modal boxes.
// Failures are raised as ESockError, FTPException, EInOutError or the plain "Not Connected" error.
class FtpClient : public QObject {
    Q_OBJECT
public:
    // Bounds of the waits, in milliseconds.
    struct Timeouts {
        int lookupMs = 30000;
        int connectMs = 30000;
        int replyMs = 60000;
        int dataConnectionMs = 60000;
        int sendMs = 60000; // without any byte accepted by the network layer
    };

    explicit FtpClient(QObject* parent = nullptr);
    ~FtpClient() override;

    QString Host;
    quint16 Port = 21;
    QString UserID;
    QString Password;

    // Looks up Host, connects, reads the greeting and logs in, then runs OnConnect. Returns after
    // OnConnect has returned. On any error it closes the connection (with "QUIT" while the control
    // connection is still open) and passes the error on.
    void Connect();
    // "CWD " + dir; kind cmdChangeDir.
    void ChangeDir(const QString& dir);
    // MODE_BYTE sends "TYPE L 8"; kind cmdDoCommand.
    void Mode(int mode);
    // "ALLO " + size; kind cmdDoCommand.
    void Allocate(qint64 size);
    // Appends the local file to remotePath (the local file's name when empty); kind cmdAppend.
    void UploadAppend(const QString& localFile, const QString& remotePath);
    // "QUIT", its reply, then the close. Sends nothing when not connected.
    void Disconnect();

    bool Connected() const;
    qint64 SentBytes() const { return m_sentBytes; }
    qint64 RecvdBytes() const { return m_recvdBytes; }
    qint64 TotalBytes() const { return m_totalBytes; }

    std::function<void()> OnConnect, OnDisconnect, OnConnectionFailed, OnPacketSent, OnPacketRecvd,
        OnTransactionStart, OnTransactionStop;
    std::function<void(bool&Handled)> OnConnectionRequired, OnAuthenticationNeeded;
    std::function<void(TCmdType Trans_Type)> OnSuccess, OnUnSupportedFunction;
    std::function<void(bool& Handled, TCmdType Trans_Type)> OnFailure;

    void setTimeouts(const Timeouts& timeouts) { m_timeouts = timeouts; }
    const Timeouts& timeouts() const { return m_timeouts; }

private:
    void refuseWhileWaiting() const;
    QHostAddress lookUpHost();
    void openControlConnection(const QHostAddress& address);
    void logIn();
    void ensureConnected();
    void sendLine(const QString& line);
    FtpReply command(const QString& line);
    FtpReply readReply();
    void pullControlBytes();
    bool controlGone() const;
    bool failureReplyPending();
    void doCommand(const QString& line);
    void refuse(const FtpReply& reply, TCmdType kind, bool unsupportedFirst);
    void closeControlConnection();
    void notifyDisconnect();
    void closeAfterFailure() noexcept;

    Timeouts m_timeouts;
    FtpWaiter m_waiter;
    FtpReplyReader m_reader;
    std::unique_ptr<QTcpSocket> m_control;
    bool m_controlFailed = false;
    QAbstractSocket::SocketError m_controlError = QAbstractSocket::UnknownSocketError;
    QString m_controlErrorText;
    bool m_disconnectOwed = false; // a connection was made and OnDisconnect has not yet been fired

    int m_lookupId = -1;
    unsigned m_lookupGeneration = 0; // tells the awaited lookup's result from an abandoned one's
    bool m_lookupDone = false;
    QHostInfo m_lookupResult;

    qint64 m_sentBytes = 0;
    qint64 m_recvdBytes = 0;
    qint64 m_totalBytes = 0;
};

// Opens the local file to learn its size. Raises EInOutError when it is missing or cannot be opened.
qint64 LocalFileSize(const QString& path);
