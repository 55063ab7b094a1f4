#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real FTP server (tools/ftp_server.py on Debian's pyftpdlib) on a free loopback port with its own
// temporary root, holding the folder "localhost". Started by the constructor, stopped by PID
// (SIGTERM) in the destructor.
class PyFtpServer {
public:
    PyFtpServer(const QString& script, const QString& user, const QString& password,
                const QStringList& moreArguments = {});
    ~PyFtpServer();
    PyFtpServer(const PyFtpServer&) = delete;
    PyFtpServer& operator=(const PyFtpServer&) = delete;

    // Empty once the server listens; else why it does not.
    QString failure() const { return m_failure; }
    quint16 port() const { return m_port; }
    QString root() const { return m_root.path(); }
    QString pathOf(const QString& remotePath) const { return m_root.filePath(remotePath); }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_failure;
};
