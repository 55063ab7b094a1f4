#include "PyFtpServer.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

PyFtpServer::PyFtpServer(const QString& script, const QString& user, const QString& password,
                         const QStringList& moreArguments) {
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    m_process.setArguments(QStringList{script, "--host", "127.0.0.1", "--port", "0", "--root", m_root.path(),
                                       "--user", user, "--password", password, "--folder", "localhost"} +
                           moreArguments);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel); // its log goes to the test's
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        m_failure = QStringLiteral("cannot start the FTP server: ") + m_process.errorString();
        return;
    }
    // The server prints its port once it accepts connections.
    const QRegularExpression ready(QStringLiteral("^listening on (\\d+)$"));
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        while (m_process.canReadLine()) {
            const QString line = QString::fromUtf8(m_process.readLine()).trimmed();
            const QRegularExpressionMatch match = ready.match(line);
            if (match.hasMatch()) {
                m_port = static_cast<quint16>(match.captured(1).toUInt());
                return;
            }
        }
        if (m_process.state() != QProcess::Running)
            break;
        m_process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
    m_failure = QStringLiteral("the FTP server did not report its port (its messages are above)");
}

PyFtpServer::~PyFtpServer() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate(); // SIGTERM to the server's PID
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
