#include "ScriptedFtpServer.h"

#include <QList>

ScriptedFtpServer::ScriptedFtpServer() {
    answers = {
        {"USER", {"331 Password required\r\n"}},
        {"PASS", {"230 Logged in\r\n"}},
        {"CWD", {"250 Directory changed\r\n"}},
        {"TYPE", {"200 Type set to L 8\r\n"}},
        {"ALLO", {"202 No storage allocation necessary\r\n"}},
        {"PORT", {"200 PORT command successful\r\n"}},
        {"APPE", {"150 Opening data connection\r\n"}},
        {"QUIT", {"221 Goodbye\r\n", true}},
    };
    m_listener.listen(QHostAddress::LocalHost, 0);
    connect(&m_listener, &QTcpServer::newConnection, this, &ScriptedFtpServer::acceptControl);
}

ScriptedFtpServer::~ScriptedFtpServer() {
    if (m_control)
        m_control->disconnect(this);
    if (m_data)
        m_data->disconnect(this);
}

void ScriptedFtpServer::acceptControl() {
    while (QTcpSocket* socket = m_listener.nextPendingConnection()) {
        socket->setParent(nullptr);
        if (m_control)
            m_control->disconnect(this);
        m_control.reset(socket);
        m_pending.clear();
        ++controlConnections;
        connect(socket, &QTcpSocket::readyRead, this, &ScriptedFtpServer::readControl);
        if (!greeting.isEmpty())
            socket->write(greeting);
    }
}

void ScriptedFtpServer::readControl() {
    const QByteArray bytes = m_control->readAll();
    received += bytes;
    m_pending += bytes;
    for (qsizetype end; (end = m_pending.indexOf("\r\n")) >= 0;) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 2);
        lines.append(line);
        answer(line);
        if (m_control->state() != QAbstractSocket::ConnectedState)
            return;
    }
}

void ScriptedFtpServer::answer(const QByteArray& line) {
    const qsizetype space = line.indexOf(' ');
    const QByteArray verb = (space < 0 ? line : line.left(space)).toUpper();
    const Answer response = answers.value(verb, Answer{"502 Command not implemented\r\n"});
    if (onLine)
        onLine(line);
    if (verb == "PORT") {
        const QList<QByteArray> numbers = line.mid(space + 1).split(',');
        if (numbers.size() == 6) {
            quint32 address = 0;
            for (int i = 0; i < 4; ++i)
                address = (address << 8) | numbers[i].toUInt();
            portAddress = QHostAddress(address);
            portNumber = static_cast<quint16>(numbers[4].toUInt() * 256 + numbers[5].toUInt());
            if (onPort)
                onPort(portAddress, portNumber);
            else
                connectData(portAddress, portNumber);
        }
    }
    if (!response.reply.isEmpty())
        m_control->write(response.reply);
    if (response.closeAfter)
        closeControl();
}

void ScriptedFtpServer::connectData(const QHostAddress& address, quint16 port) {
    if (m_data)
        m_data->disconnect(this);
    m_data = std::make_unique<QTcpSocket>();
    QTcpSocket* const socket = m_data.get();
    ++dataConnections;
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { data += socket->readAll(); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        data += socket->readAll();
        if (m_control && !finalReply.isEmpty())
            m_control->write(finalReply);
    });
    socket->connectToHost(address, port);
}

void ScriptedFtpServer::sendControl(const QByteArray& bytes) {
    if (m_control)
        m_control->write(bytes);
}

void ScriptedFtpServer::closeControl() {
    if (!m_control)
        return;
    m_control->flush();
    m_control->disconnectFromHost();
}
