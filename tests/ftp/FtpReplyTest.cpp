// Reply framing, fed with bytes directly.
#include "ftp/FtpReply.h"
#include "ftp/FtpErrors.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct FramingCase {
    const char* name;
    QByteArray bytes;
    std::vector<QByteArrayList> replies; // the lines of each complete reply
    std::vector<int> codes;
    bool midReply; // bytes of an unfinished reply left over
};

void PrintTo(const FramingCase& c, std::ostream* out) {
    *out << c.name;
}

std::vector<FtpReply> FeedAll(FtpReplyReader& reader, const QByteArray& bytes, bool byteByByte) {
    if (byteByByte) {
        for (const char byte : bytes)
            reader.feed(QByteArrayView(&byte, 1));
    } else {
        reader.feed(bytes);
    }
    std::vector<FtpReply> replies;
    while (reader.hasReply())
        replies.push_back(reader.takeReply());
    return replies;
}

class FramingTest : public ::testing::TestWithParam<FramingCase> {};

TEST_P(FramingTest, FramesRepliesWhetherBytesArriveAtOnceOrOneByOne) {
    const FramingCase& c = GetParam();
    for (const bool byteByByte : {false, true}) {
        FtpReplyReader reader;
        const std::vector<FtpReply> replies = FeedAll(reader, c.bytes, byteByByte);
        ASSERT_EQ(replies.size(), c.replies.size()) << (byteByByte ? "byte by byte" : "at once");
        for (size_t i = 0; i < replies.size(); ++i) {
            EXPECT_EQ(replies[i].lines(), c.replies[i]);
            EXPECT_EQ(replies[i].code(), c.codes[i]);
            EXPECT_EQ(replies[i].firstLine(), c.replies[i].first());
        }
        EXPECT_EQ(reader.midReply(), c.midReply);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FramingTest,
    ::testing::Values(
        FramingCase{"single_line", "220 Ready\r\n", {{"220 Ready"}}, {220}, false},
        FramingCase{"code_alone", "200\r\n", {{"200"}}, {200}, false},
        FramingCase{"two_replies_in_one_read",
                    "150 Opening\r\n226 Done\r\n",
                    {{"150 Opening"}, {"226 Done"}},
                    {150, 226},
                    false},
        FramingCase{"continuation_lines_with_code",
                    "230-Welcome\r\n230-Second line\r\n230 Logged in\r\n",
                    {{"230-Welcome", "230-Second line", "230 Logged in"}},
                    {230},
                    false},
        // RFC 959 lets the middle lines be free text, even text that starts with digits.
        FramingCase{"free_text_continuation_lines",
                    "211-Status\r\n space first\r\nplain text\r\n12 ab\r\n\r\n1234 x\r\n211 End\r\n",
                    {{"211-Status", " space first", "plain text", "12 ab", "", "1234 x", "211 End"}},
                    {211},
                    false},
        FramingCase{"multi_line_ended_by_bare_code",
                    "226-Transfer\r\n226\r\n",
                    {{"226-Transfer", "226"}},
                    {226},
                    false},
        FramingCase{"lone_line_feed_ends_a_line", "221 Bye\n", {{"221 Bye"}}, {221}, false},
        FramingCase{"unfinished_multi_line", "220-Hello\r\n220-more\r\n", {}, {}, true},
        FramingCase{"unfinished_line", "220 Rea", {}, {}, true},
        FramingCase{"no_digits_gives_code_zero", "hello\r\n", {{"hello"}}, {0}, false},
        FramingCase{"code_taken_from_leading_digits", "4210 odd\r\n", {{"4210 odd"}}, {4210}, false},
        FramingCase{"high_bytes_kept", "550 \x80\xff\r\n", {{"550 \x80\xff"}}, {550}, false}),
    [](const ::testing::TestParamInfo<FramingCase>& info) { return std::string(info.param.name); });

TEST(FtpReplyText, DecodesTheFirstLineFromCodePage1252) {
    FtpReplyReader reader;
    reader.feed("550-No \x80 here\r\n550 end\r\n");
    ASSERT_TRUE(reader.hasReply());
    EXPECT_EQ(reader.takeReply().text(), QString::fromUtf8("550-No \u20ac here"));
}

TEST(FtpReplyCaps, LinesAndRepliesBeyondTheirCapsAreErrors) {
    const QByteArray longest(FtpReplyReader::MaxLineLength - 4, 'x');
    {
        FtpReplyReader reader; // a line of exactly the cap is fine
        reader.feed("220 " + longest + "\r\n");
        EXPECT_TRUE(reader.hasReply());
    }
    {
        FtpReplyReader reader;
        EXPECT_THROW(reader.feed("220 " + longest + "y\r\n"), ESockError);
    }
    {
        FtpReplyReader reader; // without a line end the cap holds as well
        reader.feed("220 " + longest);
        EXPECT_THROW(reader.feed("yy"), ESockError);
        EXPECT_THROW(reader.feed("\r\n"), ESockError) << "the reader stays failed";
        reader.clear();
        reader.feed("220 Ready\r\n");
        EXPECT_TRUE(reader.hasReply());
    }
    {
        FtpReplyReader reader; // many short lines of one reply
        const QByteArray line = "220-" + QByteArray(1000, 'x') + "\r\n";
        EXPECT_THROW(
            {
                for (int i = 0; i < 1100; ++i)
                    reader.feed(line);
            },
            ESockError);
    }
}

} // namespace
