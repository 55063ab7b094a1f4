#include "mailcheck/MailValidator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

// While set, every allocation of the test program fails, so the validator's own failure path can be seen.
bool failAllocations = false;

} // namespace

void* operator new(std::size_t size) {
    if (failAllocations)
        throw std::bad_alloc();
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

constexpr std::int32_t Untouched = 42;

struct MailCase {
    std::string name;
    std::string address;
    std::int32_t code; // Untouched: valid, the preset code is left as it was
};

std::string Mail(const std::string& local, const std::string& domain) {
    return local + "@" + domain;
}
std::string Letters(std::size_t n) {
    return std::string(n, 'k');
}

std::vector<MailCase> MailCases() {
    return {
        {"plain", Mail("abc", "de.zz"), Untouched},
        {"empty text", "", 2},
        {"no at sign", "abcdezz", 1},
        {"space in local part", Mail("a b", "c.zz"), 5},
        {"empty local part", Mail("", "de.zz"), 6},
        {"empty domain part", Mail("abc", ""), 7},
        {"longest parts", Mail(Letters(64), Letters(253) + ".zz"), Untouched},
        {"local part 65", Mail(Letters(65), Letters(253) + ".zz"), 3},
        {"domain part 257", Mail(Letters(64), Letters(254) + ".zz"), 4},
        {"both too long, domain first", Mail(Letters(65), Letters(254) + ".zz"), 4},
        {"local starts with dot", Mail(".abc", "de.zz"), 5},
        {"local ends with dot", Mail("abc.", "de.zz"), 5},
        {"local double dot", Mail("ab..c", "de.zz"), 5},
        {"local double dot after single", Mail("a.b..c", "de.zz"), 5},
        {"domain starts with dot", Mail("abc", ".de.zz"), 5},
        {"domain ends with dot", Mail("abc", "de.zz."), 5},
        {"domain double dot", Mail("abc", "de..zz"), 5},
        {"label starts with hyphen", Mail("abc", "-de.zz"), 5},
        {"label ends with hyphen", Mail("abc", "de-.zz"), 5},
        {"hyphen inside label", Mail("abc", "d-e.zz"), Untouched},
        {"last label starts with hyphen", Mail("abc", "de.-zz"), Untouched},
        {"last label ends with hyphen", Mail("abc", "de.zz-"), Untouched},
        {"last label one character", Mail("abc", "de.z"), 9},
        {"no dot in domain", Mail("abc", "dezz"), 8},
        {"at sign in domain", Mail("abc", "de@fg.zz"), 10},
        {"second at sign before dot", Mail("ab", "c@de.zz"), 10},
        {"double dot before at sign", Mail("abc", "de..@zz"), 5},
        {"permitted punctuation", Mail("A$%'+/_", "X.zz"), Untouched},
        {"trailing space", Mail("abc", "de.zz "), 5},
    };
}

TEST(MailValidator, EdgeCases) {
    for (const MailCase& c : MailCases()) {
        SCOPED_TRACE(c.name + ": \"" + c.address + "\"");
        std::int32_t code = Untouched;
        const bool valid = ValidateMail(c.address, code);
        EXPECT_EQ(valid, c.code == Untouched);
        EXPECT_EQ(code, c.code);
    }
}

TEST(MailValidator, CharacterSet) {
    const std::string permitted = "$%'+-./0123456789@ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
    EXPECT_EQ(MailCharSet.count(), 71u);
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        EXPECT_EQ(MailCharSet.test(static_cast<std::size_t>(b)), permitted.find(c) != std::string::npos)
            << "byte " << b;
        if (c == '@' || c == '.')
            continue;
        std::int32_t code = Untouched;
        ValidateMail(Mail(std::string("a") + c + "b", "de.zz"), code);
        EXPECT_EQ(code, permitted.find(c) != std::string::npos ? Untouched : 5) << "byte " << b;
    }
}

TEST(MailValidator, FailedCheckGivesMinusOne) {
    const std::string address = Mail(Letters(40), Letters(40) + ".zz");
    std::int32_t code = 0;
    failAllocations = true;
    const bool valid = ValidateMail(address, code);
    failAllocations = false;
    EXPECT_FALSE(valid);
    EXPECT_EQ(code, -1);
}

TEST(MailValidator, ErrorTexts) {
    const struct {
        std::int32_t code;
        const char* text;
    } cases[] = {
        {0, "Unknown error occured!"}, {1, "Missing @ symbol!"},    {10, "To many @ symbols!"},
        {-1, "Invalid error code!"},   {11, "Invalid error code!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MailErrorText(c.code), c.text) << "code " << c.code;
}

} // namespace
