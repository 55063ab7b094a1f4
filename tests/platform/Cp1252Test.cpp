#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <set>

using platform::Cp1252FromUnicode;
using platform::IsCp1252Representable;
using platform::UnicodeFromCp1252;

TEST(Cp1252, EveryByteHasItsOwnCharacterAndComesBack) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
        const char32_t c = UnicodeFromCp1252(static_cast<unsigned char>(b));
        EXPECT_TRUE(seen.insert(c).second) << "byte " << b << " shares its character";
        EXPECT_EQ(Cp1252FromUnicode(c), static_cast<unsigned char>(b)) << "byte " << b;
    }
}

TEST(Cp1252, CharactersOfTheHighRowAndUndefinedBytes) {
    struct Case {
        unsigned char byte;
        char32_t character;
    };
    const Case cases[] = {
        {0x80, U'\u20AC'},
        {0x8A, U'\u0160'},
        {0x99, U'\u2122'},
        {0x9F, U'\u0178'},
        {0xE0, U'\u00E0'},
        {0xE9, U'\u00E9'},
        {0xF1, U'\u00F1'},
        {0xA0, U'\u00A0'},
        {0x41, U'A'},
        // Left undefined by the code page: Windows maps them to the C1 controls of the same value.
        {0x81, U'\u0081'},
        {0x8D, U'\u008D'},
        {0x8F, U'\u008F'},
        {0x90, U'\u0090'},
        {0x9D, U'\u009D'},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnicodeFromCp1252(c.byte), c.character) << int(c.byte);
        EXPECT_EQ(Cp1252FromUnicode(c.character), c.byte) << int(c.byte);
    }
}

TEST(Cp1252, CharactersWithoutAByte) {
    // C1 controls that the code page replaced by printable characters, and anything beyond Latin-1.
    for (char32_t c : {U'\u0080', U'\u0082', U'\u009F', U'\u0100', U'\u20AD', U'\uFFFD', U'\U0001F600'}) {
        EXPECT_FALSE(Cp1252FromUnicode(c).has_value()) << unsigned(c);
        EXPECT_FALSE(IsCp1252Representable(c)) << unsigned(c);
    }
    EXPECT_TRUE(IsCp1252Representable(U'\u00E7'));
    EXPECT_TRUE(IsCp1252Representable(U'\u20AC'));
}
