#pragma once

#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class FtpWaiter;
class QIODevice;
class QTcpServer;
class QTcpSocket;

// The data connection of one transfer in active mode: we listen, the server connects to us, we send.
// Destroying it aborts whatever is still open.
class FtpDataConnection : public QObject {
    Q_OBJECT
public:
    // Blocks read from the file and handed to the socket; at most QueuedLimit bytes wait in the socket,
    // so a file of any size is sent with bounded memory.
    static constexpr qint64 BlockSize = 64 * 1024;
    static constexpr qint64 QueuedLimit = 2 * BlockSize;

    explicit FtpDataConnection(FtpWaiter& waiter);
    ~FtpDataConnection() override;

    // Listens on the one local address, on a port that the system picks, with a backlog of one.
    // Returns the port; raises ESockError when the socket cannot listen.
    quint16 listen(const QHostAddress& local);

    // Waits for the server's connection. Only a connection from `peer` is taken; any other is closed
    // and the wait goes on. Returns true once connected (the listener is then closed), false as soon
    // as interrupted() holds. Raises ESockError when timeoutMs passes first.
    bool accept(const QHostAddress& peer, int timeoutMs, const std::function<bool()>& interrupted);

    // Sends the rest of `source`, reporting every piece that the network layer accepts through sent().
    // Bytes the server sends our way are read and reported through received(). Returns true when all
    // bytes were sent and the connection was closed in the orderly way, false as soon as interrupted()
    // holds. Raises ESockError on a socket failure or when timeoutMs passes without progress, and
    // EInOutError when the source cannot be read.
    bool send(QIODevice& source, int timeoutMs, const std::function<bool()>& interrupted,
              const std::function<void(qint64)>& sent, const std::function<void(qint64)>& received);

private:
    void takePendingConnections(const QHostAddress& peer);
    void adopt(std::unique_ptr<QTcpSocket> socket);
    void reportPieces(const std::function<void(qint64)>& sent, const std::function<void(qint64)>& received);
    void raiseOnSocketFailure(bool expectOpen) const;
    bool waitForProgress(int timeoutMs, const std::function<bool()>& ready);

    FtpWaiter& m_waiter;
    std::unique_ptr<QTcpServer> m_listener;
    std::unique_ptr<QTcpSocket> m_socket;
    std::vector<qint64> m_writtenPieces; // recorded by the slot, reported from our own frames
    bool m_failed = false;
    QAbstractSocket::SocketError m_error = QAbstractSocket::UnknownSocketError;
    QString m_errorText;
};
