// Appends to a local pyftpdlib with our client and with curl, and measures what our client costs while
// it waits on a server that never answers. Prints figures; asserts nothing.
//
// ftp_bench [--small-runs N] [--large-mib N]
#include "PyFtpServer.h"

#include "ftp/FtpClient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrl>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <vector>

namespace {

const QString User = QStringLiteral("1234567@localhost");
const QString Password = QStringLiteral("demo2026");

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool WriteFile(const QString& path, qint64 size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    for (qint64 left = size; left > 0; left -= block.size())
        file.write(block.constData(), std::min<qint64>(left, block.size()));
    return file.error() == QFileDevice::NoError;
}

// One order as the program sends it; returns the seconds from connect to the end of the disconnect.
double OursOnce(quint16 port, const QString& local, const QString& remote) {
    FtpClient client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = port;
    client.UserID = User;
    client.Password = Password;
    client.OnConnect = [&] {
        client.ChangeDir(QString());
        client.Mode(MODE_BYTE);
        client.Allocate(LocalFileSize(local));
        client.UploadAppend(local, remote);
    };
    QElapsedTimer timer;
    timer.start();
    client.Connect();
    client.Disconnect();
    return timer.nsecsElapsed() / 1e9;
}

double CurlOnce(quint16 port, const QString& local, const QString& remote) {
    QProcess curl;
    const QString url = QStringLiteral("ftp://%1:%2@127.0.0.1:%3/%4")
                            .arg(QString(QUrl::toPercentEncoding(User)), Password)
                            .arg(port)
                            .arg(remote);
    QElapsedTimer timer;
    timer.start();
    curl.start(QStringLiteral("curl"), {"-sS", "--ftp-port", "127.0.0.1", "-T", local, "--append", url});
    if (!curl.waitForFinished(600000) || curl.exitCode() != 0)
        throw std::runtime_error("curl failed: " + curl.readAllStandardError().toStdString());
    return timer.nsecsElapsed() / 1e9;
}

qint64 RemoteSize(const PyFtpServer& server, const QString& remote) {
    return QFileInfo(server.pathOf(remote)).size();
}

void Compare(const char* what, double ours, double curls) {
    std::printf("%-34s ours %9.2f ms   curl %9.2f ms   ours/curl %.2f\n", what, ours * 1000, curls * 1000,
                ours / curls);
}

int Run(int smallRuns, qint64 largeMiB) {
    PyFtpServer server(QStringLiteral(FTP_SERVER_SCRIPT), User, Password);
    if (!server.failure().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.failure()));
        return 1;
    }
    QTemporaryDir dir;
    const QString small = dir.filePath("small.txt");
    const QString large = dir.filePath("large.bin");
    if (!WriteFile(small, 1024) || !WriteFile(large, largeMiB * 1024 * 1024)) {
        std::fprintf(stderr, "cannot write the local files\n");
        return 1;
    }

    std::printf("pyftpdlib on 127.0.0.1:%u; %d appends of 1 KiB, 1 append of %lld MiB\n", server.port(),
                smallRuns, static_cast<long long>(largeMiB));
    std::vector<double> ours, curls;
    for (int i = 0; i < smallRuns; ++i) {
        ours.push_back(OursOnce(server.port(), small, "localhost/small_ours.txt"));
        curls.push_back(CurlOnce(server.port(), small, "localhost/small_curl.txt"));
    }
    Compare("1 KiB append, median", Median(ours), Median(curls));
    std::printf("%-34s ours %lld bytes   curl %lld bytes   (expected %d)\n", "remote files after the runs",
                static_cast<long long>(RemoteSize(server, "localhost/small_ours.txt")),
                static_cast<long long>(RemoteSize(server, "localhost/small_curl.txt")), smallRuns * 1024);

    const long residentBefore = PeakResidentKiB();
    const double oursLarge = OursOnce(server.port(), large, "localhost/large_ours.bin");
    const long residentAfter = PeakResidentKiB();
    const double curlLarge = CurlOnce(server.port(), large, "localhost/large_curl.bin");
    Compare(qPrintable(QStringLiteral("%1 MiB append").arg(largeMiB)), oursLarge, curlLarge);
    std::printf("%-34s ours %.1f MiB/s   curl %.1f MiB/s\n", "throughput", largeMiB / oursLarge,
                largeMiB / curlLarge);
    std::printf("%-34s %ld KiB before, %ld KiB after the large append\n", "peak resident memory",
                residentBefore, residentAfter);
    std::printf("%-34s ours %lld bytes   curl %lld bytes\n", "remote large files",
                static_cast<long long>(RemoteSize(server, "localhost/large_ours.bin")),
                static_cast<long long>(RemoteSize(server, "localhost/large_curl.bin")));

    // A server that accepts the connection and never says a word: the client waits out its bound.
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost, 0);
    std::vector<std::unique_ptr<QTcpSocket>> accepted;
    QObject::connect(&silent, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* socket = silent.nextPendingConnection())
            accepted.emplace_back(socket)->setParent(nullptr);
    });
    FtpClient client;
    client.Host = QStringLiteral("127.0.0.1");
    client.Port = silent.serverPort();
    FtpClient::Timeouts bounds;
    bounds.replyMs = 5000;
    client.setTimeouts(bounds);
    const double cpuBefore = CpuSeconds();
    QElapsedTimer timer;
    timer.start();
    QString outcome;
    try {
        client.Connect();
    } catch (const std::exception& e) {
        outcome = QString::fromUtf8(e.what());
    }
    std::printf("%-34s %.3f s CPU in %.2f s of waiting (\"%s\")\n", "silent server", CpuSeconds() - cpuBefore,
                timer.nsecsElapsed() / 1e9, qPrintable(outcome));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int smallRuns = 50;
    qint64 largeMiB = 256;
    const QStringList arguments = app.arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--small-runs")
            smallRuns = std::max(1, arguments[i + 1].toInt());
        else if (arguments[i] == "--large-mib")
            largeMiB = std::max<qint64>(1, arguments[i + 1].toLongLong());
    }
    try {
        return Run(smallRuns, largeMiB);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
