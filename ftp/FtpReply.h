#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <deque>

// One complete server reply: its lines, without line ends.
class FtpReply {
public:
    FtpReply() = default;
    explicit FtpReply(QList<QByteArray> lines) : m_lines(std::move(lines)) {}

    const QList<QByteArray>& lines() const { return m_lines; }
    QByteArray firstLine() const { return m_lines.isEmpty() ? QByteArray() : m_lines.first(); }
    // The number formed by the digits at the start of the first line; 0 when it starts with none.
    int code() const;
    // The first line as text: what errors about this reply say.
    QString text() const;

private:
    QList<QByteArray> m_lines;
};

// Frames the bytes of a control connection into replies, without any socket: the client feeds it what
// it reads, tests feed it bytes directly.
//
// Lines end in CR LF (a lone LF is accepted too). A first line whose fourth character is "-" opens a
// multi-line reply, which ends at a line made of three digits followed by a space, or of exactly three
// digits; every line in between belongs to the reply. Any other first line is a reply on its own.
class FtpReplyReader {
public:
    // A hostile server must not make us hold an unbounded reply.
    static constexpr qsizetype MaxLineLength = 64 * 1024;
    static constexpr qsizetype MaxReplyLength = 1024 * 1024;

    // Takes received bytes and frames every reply they complete. Raises ESockError when a line or a
    // reply exceeds its cap; the reader is then unusable until clear().
    void feed(QByteArrayView bytes);
    bool hasReply() const { return !m_ready.empty(); }
    // The oldest complete reply; only when hasReply().
    const FtpReply& peekReply() const { return m_ready.front(); }
    FtpReply takeReply();
    // True when bytes of a reply not yet complete have been received.
    bool midReply() const { return !m_partialLine.isEmpty() || !m_lines.isEmpty(); }
    void clear();

private:
    void takeLine(QByteArray line);

    QByteArray m_partialLine;
    QList<QByteArray> m_lines; // of the reply being framed
    qsizetype m_replyBytes = 0;
    bool m_failed = false;
    std::deque<FtpReply> m_ready;
};
