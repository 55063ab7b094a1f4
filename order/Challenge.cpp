#include "order/Challenge.h"

#include "order/ChallengeCodes.h"
#include "platform/LocalTime.h"
#include "platform/RegionalFormats.h"

std::uint32_t RandSeed = 0;

std::int32_t Draw(std::int32_t n) {
    RandSeed = RandSeed * 134775813u + 1u;
    return static_cast<std::int32_t>((static_cast<std::uint64_t>(RandSeed) * static_cast<std::uint32_t>(n)) >>
                                     32);
}

namespace {

// The n-th character (from 1) of a UTF-8 text, whole; empty when the text is shorter.
std::string NthCharacter(const std::string& text, std::size_t n) {
    std::size_t index = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
            ++length;
        if (++index == n)
            return text.substr(at, length);
        at += length;
    }
    return {};
}

} // namespace

std::int32_t TimeDigit(const platform::LongTimeFormat& format, const platform::LocalDateTime& time) {
    const std::string seventh = NthCharacter(platform::FormatLongTime(format, time), 7);
    if (seventh.size() != 1 || seventh[0] < '0' || seventh[0] > '9')
        throw EConvertError("'" + seventh + "' is not a valid integer value");
    return seventh[0] - '0';
}

std::int32_t TimeDigitNow() {
    return TimeDigit(platform::CurrentRegionalSettings().current().longTime, platform::CurrentClock().now());
}

std::int32_t PickPicture(std::int32_t timeDigit) {
    std::int32_t a = timeDigit + 17;
    std::int32_t picture = 0;
    do {
        a = a - 1;
        picture = Draw(8) + a;
    } while (picture < FirstPicture || picture > LastPicture);
    return picture;
}
