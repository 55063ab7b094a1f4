#pragma once

#include "platform/LocalTime.h"

#include <string>

// The user's short date and long time formats, read from the operating system, and the formatting
// that the order stamp and the challenge's time digit rely on. All text is UTF-8.
namespace platform {

struct LongTimeFormat {
    bool leadingZeroHour = true;
    std::string separator = ":";
    bool twelveHour = false;
    bool markerBeforeTime = false;
    std::string amDesignator;
    std::string pmDesignator;

    friend bool operator==(const LongTimeFormat&, const LongTimeFormat&) = default;
};

struct RegionalFormats {
    // Letters: d, dd (day), M, MM (month), y, yy (year in the century), yyyy (full year). Anything
    // else is copied; text between single quotes is copied as is, and two quotes stand for one.
    std::string shortDatePattern = "MM/dd/yy";
    LongTimeFormat longTime;

    friend bool operator==(const RegionalFormats&, const RegionalFormats&) = default;
};

// Day and month runs longer than two letters (day and month names) print as two digits: there are no
// names here. A single y is the year in the century without a leading zero, three or more y the full
// year in at least four digits. Era letters (g) print nothing.
std::string FormatShortDate(const std::string& pattern, const LocalDateTime& t);

// Hour (two digits when leadingZeroHour), separator, minutes in two digits, separator, seconds in two
// digits. On a 12-hour clock (12 for noon and midnight) the AM or PM designator stands before the hour
// followed by a space, or after the seconds preceded by a space; an empty designator adds nothing.
std::string FormatLongTime(const LongTimeFormat& format, const LocalDateTime& t);

// Translates a POSIX locale's strftime formats (D_FMT, T_FMT, AM_STR, PM_STR, T_FMT_AMPM) into the
// model above. What the model cannot hold is approximated:
// - %e (blank-padded day) and %k, %l (blank-padded hour) print without padding; %b, %B, %h (month
//   names) become a two-digit month; %a, %A (weekday names), %Z and other conversions are dropped.
// - The separator is the text between the hour and the minutes; other text of the time is dropped.
// - A 24-hour format keeps no marker even when it names %p; %P gives lower-case designators.
// - %R (no seconds) still gets seconds: the long time always has them.
// - A date or time format without any usable conversion falls back to the C locale's.
// %r expands to tFmtAmPm when given, else to "%I:%M:%S %p". nullptr counts as an empty text.
RegionalFormats RegionalFormatsFromPosix(const char* dFmt, const char* tFmt, const char* am, const char* pm,
                                         const char* tFmtAmPm = nullptr);

// The Windows user-locale values that describe the same model, as GetLocaleInfo returns them
// (LOCALE_SSHORTDATE, LOCALE_STIME, LOCALE_ITIME, LOCALE_ITLZERO, LOCALE_ITIMEMARKPOSN,
// LOCALE_S1159, LOCALE_S2359).
struct WindowsLocaleValues {
    std::string shortDate;
    std::string timeSeparator;
    std::string timeFormatCode;     // "0" 12-hour, "1" 24-hour
    std::string leadingZeroCode;    // "0" no leading zero on the hour, "1" leading zero
    std::string markerPositionCode; // "0" after the time, "1" before it
    std::string am;
    std::string pm;
};
// Missing values fall back to the C locale's choices (MM/dd/yy, ":", 24-hour, leading zero).
RegionalFormats RegionalFormatsFromWindows(const WindowsLocaleValues& values);

class RegionalSettings {
public:
    virtual ~RegionalSettings() = default;
    virtual RegionalFormats current() const = 0;
};

// The settings in use: the ones last set, else the operating system's (POSIX: the process's LC_TIME
// locale; Windows: the user's locale), read afresh on each call.
RegionalSettings& CurrentRegionalSettings();
// nullptr restores the operating system's settings. The caller keeps ownership.
void SetRegionalSettings(RegionalSettings* settings);

} // namespace platform
