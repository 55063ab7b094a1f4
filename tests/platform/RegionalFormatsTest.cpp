#include "platform/RegionalFormats.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ctime>
#include <string>

using namespace platform;

namespace {

LocalDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
    return {year, month, day, hour, minute, second, ms};
}

LongTimeFormat Time(bool leadingZero, std::string separator, bool twelveHour = false,
                    bool markerBefore = false, std::string am = {}, std::string pm = {}) {
    return {leadingZero, std::move(separator), twelveHour, markerBefore, std::move(am), std::move(pm)};
}

// strftime in the C locale, the reference for the formats the model represents exactly.
class CTimeLocale {
public:
    CTimeLocale() : saved_(std::setlocale(LC_TIME, nullptr)) { std::setlocale(LC_TIME, "C"); }
    ~CTimeLocale() { std::setlocale(LC_TIME, saved_.c_str()); }
    CTimeLocale(const CTimeLocale&) = delete;
    CTimeLocale& operator=(const CTimeLocale&) = delete;

private:
    std::string saved_;
};

std::string Strftime(const std::string& format, const LocalDateTime& t) {
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    char buffer[128];
    const std::size_t n = std::strftime(buffer, sizeof buffer, format.c_str(), &tm);
    return std::string(buffer, n);
}

} // namespace

TEST(FormatShortDate, PatternsAndLiterals) {
    struct Case {
        const char* pattern;
        LocalDateTime date;
        const char* expected;
    };
    const Case cases[] = {
        {"dd/MM/yyyy", At(2024, 3, 5), "05/03/2024"},
        {"d/M/yy", At(2024, 3, 5), "5/3/24"},
        {"MM/dd/yy", At(2009, 12, 25), "12/25/09"},
        {"yyyy-MM-dd", At(2024, 11, 30), "2024-11-30"},
        {"dd.MM.yyyy", At(987, 1, 2), "02.01.0987"},
        {"y", At(2007, 1, 1), "7"},
        // Quoted text is copied, pattern letters inside it included; two quotes are one quote.
        {"d 'de' M 'del' yyyy", At(2024, 3, 5), "5 de 3 del 2024"},
        {"dd''MM", At(2024, 3, 5), "05'03"},
        {"'it''s' d", At(2024, 3, 5), "it's 5"},
        {"yyyy\xE5\xB9\xB4MM\xE6\x9C\x88"
         "dd\xE6\x97\xA5",
         At(2024, 3, 5),
         "2024\xE5\xB9\xB4"
         "03\xE6\x9C\x88"
         "05\xE6\x97\xA5"},
        // No names here: day and month names print as numbers, the era as nothing.
        {"ddd dd-MMM-yy", At(2024, 3, 5), "05 05-03-24"},
        {"gg yyyy", At(2024, 3, 5), " 2024"},
        {"'unterminated d", At(2024, 3, 5), "unterminated d"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatShortDate(c.pattern, c.date), c.expected) << c.pattern;
}

TEST(FormatLongTime, ClocksMarkersAndSeparators) {
    struct Case {
        LongTimeFormat format;
        LocalDateTime time;
        const char* expected;
    };
    const LocalDateTime afternoon = At(2024, 3, 5, 14, 7, 33);
    const LocalDateTime morning = At(2024, 3, 5, 9, 5, 3);
    const Case cases[] = {
        {Time(true, ":"), afternoon, "14:07:33"},
        {Time(true, ":"), morning, "09:05:03"},
        {Time(false, ":"), morning, "9:05:03"},
        {Time(false, ":"), At(2024, 3, 5, 0, 0, 7), "0:00:07"},
        {Time(true, "."), afternoon, "14.07.33"},
        {Time(true, ""), morning, "090503"},
        {Time(false, ":", true, false, "AM", "PM"), afternoon, "2:07:33 PM"},
        {Time(true, ":", true, false, "AM", "PM"), morning, "09:05:03 AM"},
        {Time(false, ":", true, true, "AM", "PM"), afternoon, "PM 2:07:33"},
        {Time(true, ":", true, true, "a.m.", "p.m."), morning, "a.m. 09:05:03"},
        // Noon and midnight read 12 on a 12-hour clock.
        {Time(false, ":", true, false, "AM", "PM"), At(2024, 3, 5, 0, 0, 5), "12:00:05 AM"},
        {Time(false, ":", true, false, "AM", "PM"), At(2024, 3, 5, 12, 30, 0), "12:30:00 PM"},
        {Time(false, ":", true, false, "AM", "PM"), At(2024, 3, 5, 23, 59, 59), "11:59:59 PM"},
        // An empty designator brings no blank with it.
        {Time(false, ":", true, false, "", ""), afternoon, "2:07:33"},
        {Time(false, "\xEC\x8B\x9C ", true, true, "\xEC\x98\xA4\xEC\xA0\x84", "\xEC\x98\xA4\xED\x9B\x84"),
         afternoon, "\xEC\x98\xA4\xED\x9B\x84 2\xEC\x8B\x9C 07\xEC\x8B\x9C 33"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatLongTime(c.format, c.time), c.expected) << c.expected;
}

TEST(RegionalFormatsFromPosix, ExactFormatsPrintAsStrftimePrintsThem) {
    const CTimeLocale cLocale;
    const LocalDateTime moments[] = {At(2024, 3, 5, 14, 7, 33), At(2031, 12, 25, 9, 5, 3),
                                     At(2000, 1, 1, 0, 0, 5), At(1999, 7, 9, 12, 30, 0)};
    for (const char* dFmt :
         {"%m/%d/%y", "%d.%m.%Y", "%Y-%m-%d", "%D", "%F", "%d de %m de %Y", "%-d/%-m/%y", "%C%y-%m",
          "it's %d", "100%% %d", "%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5"}) {
        const RegionalFormats formats = RegionalFormatsFromPosix(dFmt, "%T", "AM", "PM");
        for (const LocalDateTime& t : moments)
            EXPECT_EQ(FormatShortDate(formats.shortDatePattern, t), Strftime(dFmt, t))
                << dFmt << " as " << formats.shortDatePattern;
    }
    for (const char* tFmt : {"%H:%M:%S", "%T", "%I:%M:%S %p", "%r", "%p %I:%M:%S", "%-I:%M:%S %p", "%H.%M.%S",
                             "%-H:%M:%S", "%X"}) {
        const RegionalFormats formats = RegionalFormatsFromPosix("%D", tFmt, "AM", "PM", "%I:%M:%S %p");
        for (const LocalDateTime& t : moments)
            EXPECT_EQ(FormatLongTime(formats.longTime, t), Strftime(tFmt, t)) << tFmt;
    }
}

TEST(RegionalFormatsFromPosix, LocalesAndApproximations) {
    struct Case {
        const char* name;
        const char* dFmt;
        const char* tFmt;
        const char* am;
        const char* pm;
        const char* tFmtAmPm;
        RegionalFormats expected;
    };
    const Case cases[] = {
        {"C", "%m/%d/%y", "%H:%M:%S", "AM", "PM", "%I:%M:%S %p", {"MM/dd/yy", Time(true, ":")}},
        {"en_US",
         "%m/%d/%Y",
         "%r",
         "AM",
         "PM",
         "%I:%M:%S %p",
         {"MM/dd/yyyy", Time(true, ":", true, false, "AM", "PM")}},
        {"de_DE", "%d.%m.%Y", "%T", "", "", "", {"dd.MM.yyyy", Time(true, ":")}},
        {"fi_FI", "%d.%m.%Y", "%H.%M.%S", "", "", "", {"dd.MM.yyyy", Time(true, ".")}},
        // Blank-padded day and hour lose their padding.
        {"bg_BG", "%e.%m.%Y", "%k:%M:%S", "", "", "", {"d.MM.yyyy", Time(false, ":")}},
        // The separator is the text between hour and minutes; the rest of the time's text is dropped.
        {"ja_JP",
         "%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5",
         "%H\xE6\x99\x82%M\xE5\x88\x86%S\xE7\xA7\x92",
         "\xE5\x8D\x88\xE5\x89\x8D",
         "\xE5\x8D\x88\xE5\xBE\x8C",
         "%p%I\xE6\x99\x82%M\xE5\x88\x86%S\xE7\xA7\x92",
         {"yyyy\xE5\xB9\xB4MM\xE6\x9C\x88"
          "dd\xE6\x97\xA5",
          Time(true, "\xE6\x99\x82")}},
        {"ko_KR 12-hour",
         "%Y\xEB\x85\x84 %m\xEC\x9B\x94 %d\xEC\x9D\xBC",
         "%p %I\xEC\x8B\x9C %M\xEB\xB6\x84 %S\xEC\xB4\x88",
         "\xEC\x98\xA4\xEC\xA0\x84",
         "\xEC\x98\xA4\xED\x9B\x84",
         "",
         {"yyyy\xEB\x85\x84 MM\xEC\x9B\x94 dd\xEC\x9D\xBC",
          Time(true, "\xEC\x8B\x9C ", true, true, "\xEC\x98\xA4\xEC\xA0\x84", "\xEC\x98\xA4\xED\x9B\x84")}},
        // Month names become numbers, weekday names and the time zone go; %P lowers the designators.
        {"names",
         "%a %d %b %Y",
         "%l:%M:%S %P %Z",
         "AM",
         "PM",
         "",
         {" dd MM yyyy", Time(false, ":", true, false, "am", "pm")}},
        {"ar_EG",
         "%d %b, %Y",
         "%Z %I:%M:%S %p",
         "\xD8\xB5",
         "\xD9\x85",
         "",
         {"dd MM, yyyy", Time(true, ":", true, false, "\xD8\xB5", "\xD9\x85")}},
        // Without seconds the long time still has them; a 24-hour clock shows no marker.
        {"%R", "%F", "%R", "AM", "PM", "", {"yyyy-MM-dd", Time(true, ":")}},
        {"24h with %p",
         "%D",
         "%H:%M:%S %p",
         "AM",
         "PM",
         "",
         {"MM/dd/yy", Time(true, ":", false, false, "AM", "PM")}},
        // A 12-hour clock without %p shows no marker.
        {"12h no marker", "%D", "%I:%M:%S", "AM", "PM", "", {"MM/dd/yy", Time(true, ":", true)}},
        // Nothing usable: the C locale's formats.
        {"empty", "", "", nullptr, nullptr, nullptr, {"MM/dd/yy", Time(true, ":")}},
        {"no fields", "%a %Z", "%p", "AM", "PM", "", {"MM/dd/yy", Time(true, ":")}},
        // %r inside the 12-hour format itself does not loop.
        {"%r in %r", "%D", "%r", "AM", "PM", "%r", {"MM/dd/yy", Time(true, ":", true, false, "AM", "PM")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RegionalFormatsFromPosix(c.dFmt, c.tFmt, c.am, c.pm, c.tFmtAmPm), c.expected) << c.name;
}

TEST(RegionalFormatsFromWindows, UserLocaleValues) {
    struct Case {
        WindowsLocaleValues values;
        RegionalFormats expected;
    };
    const Case cases[] = {
        {{"dd/MM/yyyy", ":", "1", "1", "0", "AM", "PM"},
         {"dd/MM/yyyy", Time(true, ":", false, false, "AM", "PM")}},
        {{"M/d/yyyy", ":", "0", "0", "0", "AM", "PM"},
         {"M/d/yyyy", Time(false, ":", true, false, "AM", "PM")}},
        {{"yyyy/MM/dd", ":", "0", "0", "1", "\xE5\x8D\x88\xE5\x89\x8D", "\xE5\x8D\x88\xE5\xBE\x8C"},
         {"yyyy/MM/dd",
          Time(false, ":", true, true, "\xE5\x8D\x88\xE5\x89\x8D", "\xE5\x8D\x88\xE5\xBE\x8C")}},
        {{"dd.MM.yyyy", ".", "1", "1", "0", "", ""}, {"dd.MM.yyyy", Time(true, ".")}},
        // Values the system did not give fall back to the C locale's choices.
        {{}, {"MM/dd/yy", Time(true, ":")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RegionalFormatsFromWindows(c.values), c.expected) << c.values.shortDate;
}

namespace {

class FixedSettings final : public RegionalSettings {
public:
    RegionalFormats current() const override { return {"yyyy-MM-dd", Time(false, ".")}; }
};

class FixedClock final : public Clock {
public:
    LocalDateTime now() const override { return At(2024, 3, 5, 14, 7, 33, 250); }
};

} // namespace

TEST(PlatformSeams, SystemSettingsFollowLcTimeAndSeamsReplaceThem) {
    {
        const CTimeLocale cLocale;
        // The C locale: an 8-character date, a 24-hour time with leading zero.
        EXPECT_EQ(CurrentRegionalSettings().current(), (RegionalFormats{"MM/dd/yy", Time(true, ":")}));
    }
    FixedSettings settings;
    SetRegionalSettings(&settings);
    EXPECT_EQ(CurrentRegionalSettings().current().shortDatePattern, "yyyy-MM-dd");
    SetRegionalSettings(nullptr);
    EXPECT_NE(&CurrentRegionalSettings(), &settings);

    FixedClock clock;
    SetClock(&clock);
    EXPECT_EQ(CurrentClock().now(), At(2024, 3, 5, 14, 7, 33, 250));
    SetClock(nullptr);
    const LocalDateTime now = CurrentClock().now();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23 && now.minute >= 0 && now.minute <= 59);
    EXPECT_TRUE(now.second >= 0 && now.second <= 59 && now.millisecond >= 0 && now.millisecond <= 999);
}
