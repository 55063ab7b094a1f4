#include "ftp/FtpClient.h"

#include "ftp/FtpDataConnection.h"
#include "ftp/FtpErrors.h"
#include "platform/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>

#include <exception>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

// The socket reads at most this much ahead of the reply reader.
constexpr qint64 ControlReadBufferSize = 256 * 1024;

bool InRange(int code, int low, int high) {
    return code >= low && code <= high;
}

QString SocketErrorText(int number, const QString& description) {
    return QStringLiteral("%1:%2").arg(number).arg(description);
}

// The command's bytes in code page 1252, or nothing when a character has no byte there: the server
// must not receive a silently altered name or password.
std::optional<QByteArray> EncodeCp1252(const QString& text) {
    QByteArray bytes;
    for (const char32_t c : text.toUcs4()) {
        const std::optional<unsigned char> byte = platform::Cp1252FromUnicode(c);
        if (!byte)
            return std::nullopt;
        bytes.append(static_cast<char>(*byte));
    }
    return bytes;
}

QString LocalFileErrorText(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot open the local file \"%1\": %2").arg(path, reason);
}

} // namespace

qint64 LocalFileSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(LocalFileErrorText(path, file.errorString()));
    return file.size();
}

FtpClient::FtpClient(QObject* parent) : QObject(parent) {}

FtpClient::~FtpClient() {
    if (!m_lookupDone && m_lookupId >= 0)
        QHostInfo::abortHostLookup(m_lookupId);
    if (m_control) {
        m_control->disconnect(this);
        m_control->abort();
    }
}

bool FtpClient::Connected() const {
    return m_control && m_control->state() == QAbstractSocket::ConnectedState;
}

void FtpClient::refuseWhileWaiting() const {
    // A handler run by the event loop during one of our waits must not start a second exchange on the
    // same connection.
    if (m_waiter.waiting())
        throw std::logic_error("The FTP client is busy with another operation");
}

void FtpClient::Connect() {
    refuseWhileWaiting();
    if (Connected())
        throw std::logic_error("The FTP client is already connected");
    closeControlConnection();
    notifyDisconnect();
    std::exception_ptr failure;
    try {
        openControlConnection(lookUpHost());
        logIn();
        if (OnConnect)
            OnConnect();
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        closeAfterFailure();
        std::rethrow_exception(failure);
    }
}

QHostAddress FtpClient::lookUpHost() {
    const QString host = Host;
    const unsigned generation = ++m_lookupGeneration;
    m_lookupDone = false;
    m_lookupResult = QHostInfo();
    m_lookupId = QHostInfo::lookupHost(host, this, [this, generation](const QHostInfo& info) {
        if (generation != m_lookupGeneration)
            return;
        m_lookupResult = info;
        m_lookupDone = true;
        m_waiter.wake();
    });
    if (!m_waiter.waitUntil(m_timeouts.lookupMs, [this] { return m_lookupDone; })) {
        QHostInfo::abortHostLookup(m_lookupId);
        ++m_lookupGeneration;
        throw ESockError(QStringLiteral("Timed out looking up %1").arg(host));
    }
    for (const QHostAddress& address : m_lookupResult.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol)
            return address;
    }
    throw ESockError(QStringLiteral("Null Remote Address"));
}

void FtpClient::openControlConnection(const QHostAddress& address) {
    m_reader.clear();
    m_controlFailed = false;
    m_control = std::make_unique<QTcpSocket>();
    m_control->setReadBufferSize(ControlReadBufferSize);
    QTcpSocket* const socket = m_control.get();
    connect(socket, &QTcpSocket::connected, this, [this] { m_waiter.wake(); });
    connect(socket, &QTcpSocket::readyRead, this, [this] { m_waiter.wake(); });
    connect(socket, &QTcpSocket::disconnected, this, [this] { m_waiter.wake(); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        if (!m_controlFailed) {
            m_controlFailed = true;
            m_controlError = error;
            m_controlErrorText = socket->errorString();
        }
        m_waiter.wake();
    });
    socket->connectToHost(address, Port);
    const bool settled = m_waiter.waitUntil(m_timeouts.connectMs, [socket, this] {
        return m_controlFailed || socket->state() == QAbstractSocket::ConnectedState ||
               socket->state() == QAbstractSocket::UnconnectedState;
    });
    if (settled && Connected()) {
        m_disconnectOwed = true;
        return;
    }
    closeControlConnection();
    if (OnConnectionFailed)
        OnConnectionFailed();
    if (!settled)
        throw ESockError(QStringLiteral("Timed out connecting to %1:%2").arg(Host).arg(Port));
    throw ESockError(QStringLiteral("Connection Failed"));
}

void FtpClient::logIn() {
    // A server that refuses us in its greeting (too many users, say) gets no account name.
    const FtpReply greeting = readReply();
    if (InRange(greeting.code(), 400, 599)) {
        if (OnConnectionFailed)
            OnConnectionFailed();
        throw FTPException(greeting.text());
    }
    if ((UserID.isEmpty() || Password.isEmpty()) && OnAuthenticationNeeded) {
        bool handled = false;
        OnAuthenticationNeeded(handled);
    }
    FtpReply reply = command(QStringLiteral("USER ") + UserID);
    if (!InRange(reply.code(), 401, 599) && reply.code() == 331)
        reply = command(QStringLiteral("PASS ") + Password);
    if (InRange(reply.code(), 401, 599)) {
        if (OnConnectionFailed)
            OnConnectionFailed();
        throw FTPException(reply.text());
    }
}

void FtpClient::ensureConnected() {
    if (Connected())
        return;
    // The server may have closed the connection since the last command; let go of what is left.
    closeControlConnection();
    notifyDisconnect();
    bool handled = false;
    if (OnConnectionRequired)
        OnConnectionRequired(handled);
    if (handled && Connected())
        return;
    throw std::runtime_error(NotConnectedText);
}

void FtpClient::sendLine(const QString& line) {
    // A line break inside an argument would smuggle a second command to the server.
    if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
        throw std::invalid_argument("An FTP command must not contain a line break");
    std::optional<QByteArray> bytes = EncodeCp1252(line);
    if (!bytes)
        throw std::invalid_argument("An FTP command holds a character outside code page 1252");
    bytes->append("\r\n");
    if (m_control->write(*bytes) != bytes->size()) {
        const QString text = SocketErrorText(m_control->error(), m_control->errorString());
        closeControlConnection();
        throw ESockError(text);
    }
}

FtpReply FtpClient::command(const QString& line) {
    ensureConnected();
    sendLine(line);
    return readReply();
}

void FtpClient::pullControlBytes() {
    if (!m_control || !m_control->isOpen() || m_control->bytesAvailable() <= 0)
        return;
    std::exception_ptr failure;
    try {
        m_reader.feed(m_control->readAll());
    } catch (...) {
        failure = std::current_exception();
    }
    if (failure) {
        // What follows an unreadable reply cannot be trusted either.
        closeControlConnection();
        std::rethrow_exception(failure);
    }
}

bool FtpClient::controlGone() const {
    return !m_control || m_control->state() != QAbstractSocket::ConnectedState ||
           (m_controlFailed && m_controlError != QAbstractSocket::RemoteHostClosedError);
}

FtpReply FtpClient::readReply() {
    const bool settled = m_waiter.waitUntil(m_timeouts.replyMs, [this] {
        pullControlBytes();
        return m_reader.hasReply() || controlGone();
    });
    if (m_reader.hasReply())
        return m_reader.takeReply();
    QString text;
    if (!settled)
        text = QStringLiteral("Timed out waiting for the server's reply");
    else if (m_controlFailed && m_controlError != QAbstractSocket::RemoteHostClosedError)
        text = SocketErrorText(m_controlError, m_controlErrorText);
    else if (m_reader.midReply())
        text = QStringLiteral("The server closed the connection in the middle of its reply");
    else
        text = QStringLiteral("The server closed the connection instead of replying");
    closeControlConnection();
    throw ESockError(text);
}

bool FtpClient::failureReplyPending() {
    pullControlBytes();
    if (m_reader.hasReply())
        return InRange(m_reader.peekReply().code(), 400, 599);
    return controlGone();
}

void FtpClient::refuse(const FtpReply& reply, TCmdType kind, bool unsupportedFirst) {
    if (unsupportedFirst && InRange(reply.code(), 500, 502) && OnUnSupportedFunction)
        OnUnSupportedFunction(kind);
    bool handled = false;
    if (OnFailure)
        OnFailure(handled, kind);
    if (!handled)
        throw FTPException(reply.text());
}

void FtpClient::doCommand(const QString& line) {
    refuseWhileWaiting();
    const TCmdType kind = line.startsWith(QLatin1String("CWD ")) ? cmdChangeDir : cmdDoCommand;
    const FtpReply reply = command(line);
    if (InRange(reply.code(), 400, 599)) {
        refuse(reply, kind, true);
        return;
    }
    if (OnSuccess)
        OnSuccess(kind);
}

void FtpClient::ChangeDir(const QString& dir) {
    doCommand(QStringLiteral("CWD ") + dir);
}

void FtpClient::Mode(int mode) {
    if (mode != MODE_BYTE)
        throw std::invalid_argument("Only the byte transfer mode is supported");
    doCommand(QStringLiteral("TYPE L 8"));
}

void FtpClient::Allocate(qint64 size) {
    doCommand(QStringLiteral("ALLO ") + QString::number(size));
}

void FtpClient::UploadAppend(const QString& localFile, const QString& remotePath) {
    refuseWhileWaiting();
    ensureConnected();
    QFile file(localFile);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(LocalFileErrorText(localFile, file.errorString()));
    m_totalBytes = file.size();
    m_sentBytes = 0;
    m_recvdBytes = 0;
    const QString remote = remotePath.isEmpty() ? QFileInfo(localFile).fileName() : remotePath;

    bool isIPv4 = false;
    const QHostAddress local = m_control->localAddress();
    const quint32 address = local.toIPv4Address(&isIPv4);
    if (!isIPv4)
        throw ESockError(QStringLiteral("The control connection has no IPv4 address"));
    const QHostAddress peer = m_control->peerAddress();

    std::optional<FtpDataConnection> data(std::in_place, m_waiter);
    // Listening on the control connection's address alone keeps the port off other networks.
    const quint16 port = data->listen(local);
    FtpReply reply = command(QStringLiteral("PORT %1,%2,%3,%4,%5,%6")
                                 .arg(address >> 24)
                                 .arg((address >> 16) & 0xFF)
                                 .arg((address >> 8) & 0xFF)
                                 .arg(address & 0xFF)
                                 .arg(port >> 8)
                                 .arg(port & 0xFF));
    if (InRange(reply.code(), 301, 599)) {
        refuse(reply, cmdAppend, false);
        return;
    }
    reply = command(QStringLiteral("APPE ") + remote);
    if (InRange(reply.code(), 301, 599)) {
        refuse(reply, cmdAppend, true);
        return;
    }

    // A server that gives up (a refusal on the control connection, or closing it) ends the waits
    // for the data connection at once.
    const auto serverGaveUp = [this] {
        return failureReplyPending();
    };
    if (data->accept(peer, m_timeouts.dataConnectionMs, serverGaveUp)) {
        if (OnTransactionStart)
            OnTransactionStart();
        const bool sent = data->send(
            file, m_timeouts.sendMs, serverGaveUp,
            [this](qint64 bytes) {
                m_sentBytes += bytes;
                if (OnPacketSent)
                    OnPacketSent();
            },
            [this](qint64 bytes) {
                m_recvdBytes += bytes;
                if (OnPacketRecvd)
                    OnPacketRecvd();
            });
        if (sent && OnTransactionStop)
            OnTransactionStop();
    }
    const FtpReply final = readReply();
    data.reset();
    // The final reply is judged: a server that could not store the data must not be taken for one
    // that did.
    if (InRange(final.code(), 400, 599)) {
        refuse(final, cmdAppend, false);
        return;
    }
    if (OnSuccess)
        OnSuccess(cmdAppend);
}

void FtpClient::Disconnect() {
    refuseWhileWaiting();
    if (!Connected()) {
        closeControlConnection();
        notifyDisconnect();
        return;
    }
    std::exception_ptr failure;
    FtpReply reply;
    try {
        sendLine(QStringLiteral("QUIT"));
        reply = readReply();
    } catch (...) {
        failure = std::current_exception();
    }
    closeControlConnection();
    notifyDisconnect();
    if (failure)
        std::rethrow_exception(failure);
    if (InRange(reply.code(), 301, 599))
        throw FTPException(reply.text());
}

void FtpClient::closeControlConnection() {
    if (!m_control)
        return;
    const std::unique_ptr<QTcpSocket> socket = std::move(m_control);
    socket->disconnect(this);
    if (socket->state() != QAbstractSocket::UnconnectedState) {
        socket->disconnectFromHost();
        if (socket->state() != QAbstractSocket::UnconnectedState)
            socket->abort();
    }
    m_reader.clear();
}

void FtpClient::notifyDisconnect() {
    if (std::exchange(m_disconnectOwed, false) && OnDisconnect)
        OnDisconnect();
}

void FtpClient::closeAfterFailure() noexcept {
    // The first error is the one the caller hears about; trouble while closing adds nothing to it.
    try {
        if (Connected()) {
            sendLine(QStringLiteral("QUIT"));
            readReply();
        }
    } catch (...) {
    }
    closeControlConnection();
    try {
        notifyDisconnect();
    } catch (...) {
    }
}
