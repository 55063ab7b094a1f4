#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {
struct LongTimeFormat;
struct LocalDateTime;
} // namespace platform

// A text that should have been a whole number was not.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// State of the code-picture generator: 0 when the program starts, never seeded, advanced only by Draw.
extern std::uint32_t RandSeed;

// One step of the 32-bit linear congruential generator; a number from 0 to n - 1.
std::int32_t Draw(std::int32_t n);

// The seventh character of the time of day in the user's long time format, read as a number 0 to 9.
// Throws EConvertError when that character is not a decimal digit.
std::int32_t TimeDigit(const platform::LongTimeFormat& format, const platform::LocalDateTime& time);
std::int32_t TimeDigitNow();

// Picks the code picture (2 to 9) for a time digit. Pictures with high numbers come far more often:
// the first d + 7 draws can never succeed.
std::int32_t PickPicture(std::int32_t timeDigit);
