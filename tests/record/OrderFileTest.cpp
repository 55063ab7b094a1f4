#include "order/OrderRecord.h"

#include <VendorConfig.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <exception>
#include <functional>
#include <string>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable " + path.toUtf8() + ">";
    return file.readAll();
}

void WriteRaw(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QString Golden(const char* name) {
    return QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(name);
}

// The fixed order of tests/data/order-file.txt: names with blanks and an accent, a Word product.
QStringList GoldenRecord() {
    OrderRecordFields f;
    f.stamp = QStringLiteral("05/03/2024-14:07:33");
    f.localAddress = QStringLiteral("192.168.1.20");
    f.name = QStringLiteral(" Niccolò ");
    f.surname = QStringLiteral("De Santis ");
    f.mail = QStringLiteral("niccolo.desantis@example.it");
    f.productCode = QStringLiteral("KESTOLA-PLUMATTO") + WordSuffix(true, false);
    f.volumeSerial = QStringLiteral("00A1B2C3");
    f.hwProfileId = QStringLiteral("3d1219c7-c4c5-404a-aa1f-6d2a48adfda4");
    return BuildOrderRecord(f);
}

bool DefaultVendorBuild() {
    return std::strcmp(vendor::ContactMail, "orders@localhost") == 0 &&
           std::strcmp(vendor::PhoneFax, "000 0000000") == 0 &&
           std::strcmp(vendor::WebSite, "http://localhost/") == 0;
}

// Runs with another current directory and puts the old one back.
class InDirectory {
public:
    explicit InDirectory(const QString& dir) : saved_(QDir::currentPath()) { ok_ = QDir::setCurrent(dir); }
    ~InDirectory() { QDir::setCurrent(saved_); }
    InDirectory(const InDirectory&) = delete;
    InDirectory& operator=(const InDirectory&) = delete;
    bool ok() const { return ok_; }

private:
    QString saved_;
    bool ok_ = false;
};

// What a call threw, caught in our own frame.
std::exception_ptr Thrown(const std::function<void()>& call) {
    try {
        call();
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

template <class E> std::string MessageIf(const std::exception_ptr& error) {
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const E& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("other exception: ") + e.what();
    }
    return "no exception";
}

} // namespace

TEST(OrderFile, ContentMatchesTheGoldenFile) {
    const QStringList lines = GoldenRecord();
    const QByteArray golden = ReadAll(Golden("order-file.txt"));
    EXPECT_EQ(OrderFileText(lines), golden);
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size();
    EXPECT_EQ(golden.size(), total + 22);
    EXPECT_TRUE(golden.endsWith("\r\n\r\n"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const InDirectory in(dir.path());
    ASSERT_TRUE(in.ok());
    WriteOrderFile(lines);
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("xLomberkAcq.txt"))), golden);
}

TEST(OrderFile, InstructionsAreFortyNineLinesOfCodePage1252) {
    const QByteArray text = InstructionsText();
    EXPECT_EQ(text.count("\r\n"), 48);
    EXPECT_EQ(text.count('\n'), 48);
    EXPECT_EQ(text.count('\r'), 48);
    EXPECT_TRUE(text.endsWith(QByteArray(" ") + vendor::WebSite + " "));
    EXPECT_TRUE(text.startsWith(QByteArray(16, ' ') + "by \"QRB SOFTWARE\"\r\n \r\n- Italiano -\r\n"));
    EXPECT_TRUE(text.contains("Modalit\xE0 di consegna"));
    EXPECT_TRUE(text.contains("- Fran\xE7"
                              "ais - \r\n"));
    EXPECT_TRUE(text.contains("t\xE9l\xE9"
                              "charger un logiciel achet\xE9 le"));
    EXPECT_TRUE(text.contains("- Espa\xF1ol - \r\n"));
    EXPECT_TRUE(
        text.contains("Disponible para m\xE1s informaci\xF3n: " + QByteArray(vendor::ContactMail) + "\r\n"));
    EXPECT_FALSE(text.contains('\xC3')) << "accents must be single bytes, not UTF-8";
}

TEST(OrderFile, InstructionsMatchTheGoldenFile) {
    // tests/data/instructions-default-vendor.txt holds the vendor items of a build with the default
    // cache values (orders@localhost, 000 0000000, http://localhost/); a vendor build differs on purpose.
    if (!DefaultVendorBuild())
        GTEST_SKIP()
            << "built with vendor values other than the defaults; the golden file holds the defaults";
    const QByteArray golden = ReadAll(Golden("instructions-default-vendor.txt"));
    EXPECT_EQ(InstructionsText(), golden);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const InDirectory in(dir.path());
    ASSERT_TRUE(in.ok());
    // Over a longer order file nothing of the older content may stay behind.
    QStringList longRecord = GoldenRecord();
    longRecord[7] += QString(4000, u'x');
    WriteOrderFile(longRecord);
    ASSERT_GT(ReadAll(QStringLiteral("xLomberkAcq.txt")).size(), golden.size());
    WriteInstructionsFile();
    EXPECT_EQ(ReadAll(QStringLiteral("xLomberkAcq.txt")), golden);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("xLomberkAcq.txt")});
}

namespace {

// A directory in which no file can be created, also for root: the immutable attribute where the file
// system and our privileges allow it, else no write permission (which binds everyone but root).
class LockedDirectory {
public:
    explicit LockedDirectory(const QString& path) : path_(path.toStdString()) {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd >= 0) {
            int flags = 0;
            if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags |= FS_IMMUTABLE_FL;
                immutable_ = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
            }
            ::close(fd);
        }
        if (!immutable_)
            readOnly_ = ::chmod(path_.c_str(), 0555) == 0;
        // Whatever was set, a real creation attempt decides.
        const std::string probe = path_ + "/probe";
        const int created = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (created >= 0) {
            ::close(created);
            ::unlink(probe.c_str());
        } else {
            locked_ = true;
        }
    }
    ~LockedDirectory() {
        if (immutable_) {
            const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
            int flags = 0;
            if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
                flags &= ~FS_IMMUTABLE_FL;
                ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
            }
            if (fd >= 0)
                ::close(fd);
        }
        if (readOnly_)
            ::chmod(path_.c_str(), 0755);
    }
    LockedDirectory(const LockedDirectory&) = delete;
    LockedDirectory& operator=(const LockedDirectory&) = delete;
    bool locked() const { return locked_; }

private:
    std::string path_;
    bool immutable_ = false;
    bool readOnly_ = false;
    bool locked_ = false;
};

} // namespace

TEST(OrderFileErrors, ParentIsARegularFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteRaw(dir.filePath(QStringLiteral("plain")), "not a folder");
    const QString path = dir.filePath(QStringLiteral("plain/xLomberkAcq.txt"));
    EXPECT_EQ(MessageIf<EFCreateError>(Thrown([&] { WriteOrderFile(path, GoldenRecord()); })),
              "Cannot create file " + path.toStdString());
    EXPECT_EQ(MessageIf<EFCreateError>(Thrown([&] { WriteInstructionsFile(path); })),
              "Cannot create file " + path.toStdString());
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("plain"))), QByteArray("not a folder"));
}

TEST(OrderFileErrors, UnwritableDirectoryLeavesTheOldFileUntouched) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteRaw(dir.filePath(QStringLiteral("xLomberkAcq.txt")), "older order");
    const LockedDirectory lock(dir.path());
    if (!lock.locked())
        GTEST_SKIP() << "cannot make a directory unwritable here: no immutable attribute on this file system "
                        "or no privilege to set it, and root ignores permissions";
    const InDirectory in(dir.path());
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(MessageIf<EFCreateError>(Thrown([] { WriteOrderFile(GoldenRecord()); })),
              "Cannot create file xLomberkAcq.txt");
    EXPECT_EQ(MessageIf<EFCreateError>(Thrown([] { WriteInstructionsFile(); })),
              "Cannot create file xLomberkAcq.txt");
    EXPECT_EQ(ReadAll(QStringLiteral("xLomberkAcq.txt")), QByteArray("older order"));
}

TEST(OrderFileErrors, FailedWriteLeavesTheOldFileUntouched) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("xLomberkAcq.txt"));
    WriteRaw(path, "older order");

    // A file-size limit below the text's size makes the write itself fail, for root as well.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::exception_ptr error = Thrown([&] { WriteInstructionsFile(path); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(MessageIf<EWriteError>(error), "Stream write error");
    EXPECT_EQ(ReadAll(path), QByteArray("older order"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("xLomberkAcq.txt")})
        << "no temporary file may stay behind";
}
