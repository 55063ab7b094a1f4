#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QHostAddress>
#include <QMap>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>

// An FTP server on 127.0.0.1 in the test's own thread. It answers from a script while the client waits
// in its nested event loops, records every line it receives, and plays the server's side of an
// active-mode transfer: at "PORT " it connects to the given address at once, as real servers do, and
// when the client closes the data connection it sends the final reply.
class ScriptedFtpServer : public QObject {
    Q_OBJECT
public:
    // What the server does on receiving a command.
    struct Answer {
        QByteArray reply;        // sent as it stands, line ends included; empty: no answer at all
        bool closeAfter = false; // close the control connection after the reply
    };

    ScriptedFtpServer();
    ~ScriptedFtpServer() override;

    quint16 port() const { return m_listener.serverPort(); }

    // The script. The defaults let a whole order through.
    QByteArray greeting = "220 Scripted server ready\r\n";
    QMap<QByteArray, Answer> answers; // by verb: the text before the first space, in upper case
    QByteArray finalReply = "226 Transfer complete\r\n";
    // Runs on every received line before the answer.
    std::function<void(const QByteArray& line)> onLine;
    // Replaces the connection made at "PORT "; the hook may call connectData itself, now or later.
    std::function<void(const QHostAddress& address, quint16 port)> onPort;

    void connectData(const QHostAddress& address, quint16 port);
    void sendControl(const QByteArray& bytes);
    void closeControl();

    // What the server saw.
    QByteArray received;  // every byte on the control connections
    QByteArrayList lines; // the same, split at CR LF
    QByteArray data;      // every byte on the data connections
    int controlConnections = 0;
    int dataConnections = 0;
    bool controlOpen() const { return m_control && m_control->state() == QAbstractSocket::ConnectedState; }
    QHostAddress portAddress; // as the last "PORT " named it
    quint16 portNumber = 0;

private:
    void acceptControl();
    void readControl();
    void answer(const QByteArray& line);

    QTcpServer m_listener;
    std::unique_ptr<QTcpSocket> m_control;
    QByteArray m_pending;
    std::unique_ptr<QTcpSocket> m_data;
};
