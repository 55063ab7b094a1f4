#include "ftp/FtpDataConnection.h"

#include "ftp/FtpErrors.h"
#include "ftp/FtpWaiter.h"

#include <QIODevice>
#include <QTcpServer>
#include <QTcpSocket>

#include <utility>

namespace {

QString SocketErrorText(int number, const QString& description) {
    return QStringLiteral("%1:%2").arg(number).arg(description);
}

} // namespace

FtpDataConnection::FtpDataConnection(FtpWaiter& waiter) : m_waiter(waiter) {}

FtpDataConnection::~FtpDataConnection() {
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
    if (m_listener)
        m_listener->close();
}

quint16 FtpDataConnection::listen(const QHostAddress& local) {
    m_listener = std::make_unique<QTcpServer>();
    m_listener->setListenBacklogSize(1);
    if (!m_listener->listen(local, 0)) {
        const QString text = SocketErrorText(m_listener->serverError(), m_listener->errorString());
        m_listener.reset();
        throw ESockError(text);
    }
    connect(m_listener.get(), &QTcpServer::newConnection, this, [this] { m_waiter.wake(); });
    return m_listener->serverPort();
}

void FtpDataConnection::takePendingConnections(const QHostAddress& peer) {
    while (m_listener && m_listener->hasPendingConnections()) {
        std::unique_ptr<QTcpSocket> candidate(m_listener->nextPendingConnection());
        candidate->setParent(nullptr); // it must outlive the listener
        if (candidate->peerAddress().isEqual(peer, QHostAddress::TolerantConversion)) {
            adopt(std::move(candidate));
            m_listener->close();
            m_listener.reset();
            return;
        }
        // Whoever reaches the port before the server must not receive the file.
        candidate->abort();
    }
}

void FtpDataConnection::adopt(std::unique_ptr<QTcpSocket> socket) {
    m_socket = std::move(socket);
    connect(m_socket.get(), &QTcpSocket::bytesWritten, this, [this](qint64 bytes) {
        m_writtenPieces.push_back(bytes);
        m_waiter.wake();
    });
    connect(m_socket.get(), &QTcpSocket::readyRead, this, [this] { m_waiter.wake(); });
    connect(m_socket.get(), &QTcpSocket::disconnected, this, [this] { m_waiter.wake(); });
    connect(m_socket.get(), &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (!m_failed) {
            m_failed = true;
            m_error = error;
            m_errorText = m_socket->errorString();
        }
        m_waiter.wake();
    });
}

bool FtpDataConnection::accept(const QHostAddress& peer, int timeoutMs,
                               const std::function<bool()>& interrupted) {
    bool stopped = false;
    const bool done = m_waiter.waitUntil(timeoutMs, [&] {
        takePendingConnections(peer);
        if (m_socket)
            return true;
        stopped = interrupted();
        return stopped;
    });
    if (!done)
        throw ESockError(QStringLiteral("Timed out waiting for the server's data connection"));
    return !stopped;
}

void FtpDataConnection::reportPieces(const std::function<void(qint64)>& sent,
                                     const std::function<void(qint64)>& received) {
    // Notifications may open modal boxes, whose loops record further pieces: take the list first.
    const std::vector<qint64> pieces = std::exchange(m_writtenPieces, {});
    for (const qint64 piece : pieces)
        sent(piece);
    if (m_socket && m_socket->isOpen() && m_socket->bytesAvailable() > 0) {
        const qint64 count = m_socket->readAll().size();
        if (count > 0)
            received(count);
    }
}

void FtpDataConnection::raiseOnSocketFailure(bool expectOpen) const {
    if (m_failed && m_error != QAbstractSocket::RemoteHostClosedError)
        throw ESockError(SocketErrorText(m_error, m_errorText));
    if (expectOpen && (m_failed || m_socket->state() != QAbstractSocket::ConnectedState))
        throw ESockError(QStringLiteral("The server closed the data connection before all data were sent"));
}

bool FtpDataConnection::waitForProgress(int timeoutMs, const std::function<bool()>& ready) {
    if (!m_waiter.waitUntil(timeoutMs, ready)) {
        m_socket->abort();
        throw ESockError(QStringLiteral("Timed out sending data to the server"));
    }
    return true;
}

bool FtpDataConnection::send(QIODevice& source, int timeoutMs, const std::function<bool()>& interrupted,
                             const std::function<void(qint64)>& sent,
                             const std::function<void(qint64)>& received) {
    QByteArray block(BlockSize, Qt::Uninitialized);
    bool atEnd = false;
    bool stopped = false;
    // Something to act on: a piece to report, room in the socket, the end of the data, or trouble.
    const auto actionable = [&] {
        if (!m_writtenPieces.empty() || m_socket->bytesAvailable() > 0 || m_failed ||
            m_socket->state() != QAbstractSocket::ConnectedState)
            return true;
        if (atEnd ? m_socket->bytesToWrite() == 0 : m_socket->bytesToWrite() < QueuedLimit)
            return true;
        stopped = interrupted();
        return stopped;
    };
    for (;;) {
        reportPieces(sent, received);
        raiseOnSocketFailure(true);
        if (!atEnd && m_socket->bytesToWrite() < QueuedLimit) {
            const qint64 count = source.read(block.data(), BlockSize);
            if (count < 0)
                throw EInOutError(QStringLiteral("Cannot read the local file: %1").arg(source.errorString()));
            if (count == 0) {
                atEnd = true;
            } else if (m_socket->write(block.constData(), count) != count) {
                throw ESockError(SocketErrorText(m_socket->error(), m_socket->errorString()));
            }
            continue;
        }
        if (atEnd && m_socket->bytesToWrite() == 0)
            break;
        waitForProgress(timeoutMs, actionable);
        if (stopped)
            return false;
    }

    // The orderly close (no reset) tells the server where the data end.
    m_socket->disconnectFromHost();
    waitForProgress(timeoutMs, [&] {
        if (m_failed || m_socket->state() == QAbstractSocket::UnconnectedState)
            return true;
        stopped = interrupted();
        return stopped;
    });
    reportPieces(sent, received);
    if (stopped)
        return false;
    raiseOnSocketFailure(false);
    return true;
}
