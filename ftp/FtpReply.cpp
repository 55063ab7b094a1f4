#include "ftp/FtpReply.h"

#include "ftp/FtpErrors.h"
#include "platform/Cp1252.h"

#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool EndsMultiLineReply(const QByteArray& line) {
    if (line.size() < 3 || !IsDigit(line[0]) || !IsDigit(line[1]) || !IsDigit(line[2]))
        return false;
    return line.size() == 3 || line[3] == ' ';
}

} // namespace

int FtpReply::code() const {
    const QByteArray line = firstLine();
    int code = 0;
    // Nine digits at most keep the value in range; a real code has three.
    for (qsizetype i = 0; i < line.size() && i < 9 && IsDigit(line[i]); ++i)
        code = code * 10 + (line[i] - '0');
    return code;
}

QString FtpReply::text() const {
    std::u32string characters;
    for (const char byte : firstLine())
        characters.push_back(platform::UnicodeFromCp1252(static_cast<unsigned char>(byte)));
    return QString::fromStdU32String(characters);
}

void FtpReplyReader::feed(QByteArrayView bytes) {
    if (m_failed)
        throw ESockError(QStringLiteral("The server's reply could not be read"));
    while (!bytes.isEmpty()) {
        const qsizetype end = bytes.indexOf('\n');
        const QByteArrayView piece = end < 0 ? bytes : bytes.first(end);
        // The CR of a line end may be held back until its LF arrives, hence the one byte of slack.
        if (m_partialLine.size() + piece.size() > MaxLineLength + 1) {
            m_failed = true;
            throw ESockError(
                QStringLiteral("The server sent a reply line longer than %1 bytes").arg(MaxLineLength));
        }
        m_partialLine.append(piece);
        if (end < 0)
            break;
        bytes = bytes.sliced(end + 1);
        QByteArray line = std::move(m_partialLine);
        m_partialLine.clear();
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > MaxLineLength) {
            m_failed = true;
            throw ESockError(
                QStringLiteral("The server sent a reply line longer than %1 bytes").arg(MaxLineLength));
        }
        takeLine(std::move(line));
    }
}

void FtpReplyReader::takeLine(QByteArray line) {
    m_replyBytes += line.size() + 2;
    if (m_replyBytes > MaxReplyLength) {
        m_failed = true;
        throw ESockError(QStringLiteral("The server sent a reply longer than %1 bytes").arg(MaxReplyLength));
    }
    const bool first = m_lines.isEmpty();
    const bool opensMultiLine = first && line.size() >= 4 && line[3] == '-';
    const bool complete = first ? !opensMultiLine : EndsMultiLineReply(line);
    m_lines.append(std::move(line));
    if (complete) {
        m_ready.emplace_back(std::move(m_lines));
        m_lines.clear();
        m_replyBytes = 0;
    }
}

FtpReply FtpReplyReader::takeReply() {
    FtpReply reply = std::move(m_ready.front());
    m_ready.pop_front();
    return reply;
}

void FtpReplyReader::clear() {
    m_partialLine.clear();
    m_lines.clear();
    m_replyBytes = 0;
    m_failed = false;
    m_ready.clear();
}
