#include "order/Text1252.h"

#include <gtest/gtest.h>

TEST(Text1252, AccentsAndSymbolsAreSingleBytes) {
    EXPECT_EQ(ToCp1252(QStringLiteral("àéçñó€Ÿ A")), QByteArray("\xE0\xE9\xE7\xF1\xF3\x80\x9F A"));
    EXPECT_EQ(FromCp1252(QByteArray("\xE0\xE9\x80\x81\x9D")), QStringLiteral("àé€\u0081\u009D"));
}

TEST(Text1252, EveryByteComesBackAndStrangersBecomeQuestionMarks) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
    // One '?' per character: outside the code page, beyond the BMP, a lone surrogate.
    EXPECT_EQ(ToCp1252(QStringLiteral("a\u0100b\U0001F600c") + QChar(0xD800) + u'd'), QByteArray("a?b?c?d"));
    EXPECT_TRUE(IsCp1252Char(U'ç'));
    EXPECT_FALSE(IsCp1252Char(U'\u0100'));
}
