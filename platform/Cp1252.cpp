#include "platform/Cp1252.h"

#include <array>

namespace platform {
namespace {

// Bytes 80 to 9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t UnicodeFromCp1252(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F)
        return kHighControls[b - 0x80];
    return b;
}

std::optional<unsigned char> Cp1252FromUnicode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

bool IsCp1252Representable(char32_t c) {
    return Cp1252FromUnicode(c).has_value();
}

} // namespace platform
