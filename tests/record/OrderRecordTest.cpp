#include "order/OrderRecord.h"

#include <gtest/gtest.h>

#include <string>

using platform::LocalDateTime;
using platform::LongTimeFormat;
using platform::RegionalFormats;

namespace {

LongTimeFormat Time24(bool leadingZero, std::string separator = ":") {
    return {leadingZero, std::move(separator), false, false, {}, {}};
}

LongTimeFormat Time12(bool markerBefore) {
    return {false, ":", true, markerBefore, "AM", "PM"};
}

} // namespace

TEST(MakeOrderStamp, FormatsTimesAndTheEleventhCharacter) {
    struct Case {
        const char* datePattern;
        LongTimeFormat time;
        LocalDateTime at;
        const char* expected;
    };
    const Case cases[] = {
        // A ten-character date: the blank becomes the hyphen.
        {"dd/MM/yyyy", Time24(true), {2024, 3, 5, 14, 7, 33, 0}, "05/03/2024-14:07:33"},
        // Midnight gives the date alone, whatever the milliseconds; one second later the time is back.
        {"dd/MM/yyyy", Time24(true), {2024, 3, 5, 0, 0, 0, 999}, "05/03/2024"},
        {"dd/MM/yyyy", Time24(true), {2024, 3, 5, 0, 0, 1, 0}, "05/03/2024-00:00:01"},
        {"dd/MM/yyyy", Time24(true), {2024, 3, 5, 0, 1, 0, 0}, "05/03/2024-00:01:00"},
        // An eight-character date (the C locale's): the hyphen lands inside the time.
        {"MM/dd/yy", Time24(true), {2024, 3, 5, 14, 7, 33, 0}, "03/05/24 1-:07:33"},
        {"MM/dd/yy", Time24(true), {2024, 3, 5, 0, 0, 0, 0}, "03/05/24"},
        {"d/M/yyyy", Time24(false), {2024, 3, 5, 9, 5, 3, 0}, "5/3/2024 9-05:03"},
        {"dd.MM.yyyy", Time24(false, "."), {2024, 3, 5, 9, 5, 3, 0}, "05.03.2024-9.05.03"},
        {"dd/MM/yyyy", Time12(true), {2024, 3, 5, 14, 7, 33, 0}, "05/03/2024-PM 2:07:33"},
        {"dd/MM/yyyy", Time12(false), {2024, 3, 5, 14, 7, 33, 0}, "05/03/2024-2:07:33 PM"},
        // A longer date: the hyphen replaces a character of the date, counted in characters.
        {"yyyy'\xE5\xB9\xB4'MM'\xE6\x9C\x88'dd'\xE6\x97\xA5'",
         Time24(true),
         {2024, 3, 5, 14, 7, 33, 0},
         "2024\xE5\xB9\xB4"
         "03\xE6\x9C\x88"
         "05- 14:07:33"},
        // Shorter than eleven characters: unchanged.
        {"d/M/yy", Time24(true), {2024, 3, 5, 0, 0, 0, 0}, "5/3/24"},
    };
    for (const Case& c : cases) {
        const RegionalFormats formats{c.datePattern, c.time};
        EXPECT_EQ(MakeOrderStamp(c.at, formats), QString::fromUtf8(c.expected)) << c.expected;
    }
}

namespace {

class FixedClock final : public platform::Clock {
public:
    LocalDateTime now() const override { return {2024, 3, 5, 14, 7, 33, 120}; }
};

class FixedSettings final : public platform::RegionalSettings {
public:
    RegionalFormats current() const override { return {"dd/MM/yyyy", Time24(true)}; }
};

} // namespace

TEST(MakeOrderStamp, ReadsTheCurrentClockAndSettings) {
    FixedClock clock;
    FixedSettings settings;
    platform::SetClock(&clock);
    platform::SetRegionalSettings(&settings);
    const QString stamp = MakeOrderStamp();
    platform::SetClock(nullptr);
    platform::SetRegionalSettings(nullptr);
    EXPECT_EQ(stamp, QStringLiteral("05/03/2024-14:07:33"));
}

TEST(WordSuffix, SiThenNo) {
    EXPECT_EQ(WordSuffix(false, false), QString());
    EXPECT_EQ(WordSuffix(true, false), QStringLiteral("_SI_Word"));
    EXPECT_EQ(WordSuffix(false, true), QStringLiteral("_NO_Word"));
    EXPECT_EQ(WordSuffix(true, true), QStringLiteral("_SI_Word_NO_Word"));
}

TEST(BuildOrderRecord, TenTaggedLinesWithValuesVerbatim) {
    OrderRecordFields f;
    f.stamp = QStringLiteral("05/03/2024-14:07:33");
    f.localAddress = QStringLiteral("10.0.0.2");
    f.name = QStringLiteral(" Anna ");
    f.mail = QStringLiteral("a%1&b@example.it");
    f.productCode = QStringLiteral("KESTOLA-TIBORNE");
    f.volumeSerial = QStringLiteral("00A1B2C3");
    const QStringList expected = {
        QStringLiteral(" %0& ORDINE:"),
        QStringLiteral(" %1& 05/03/2024-14:07:33"),
        QStringLiteral(" %2& 10.0.0.2"),
        // Blanks kept; an empty surname leaves the separator's blank at the end.
        QStringLiteral(" %3&  Anna  - "),
        // Empty hidden boxes: the bare tag, and the tag with the two joining blanks.
        QStringLiteral(" %4& "),
        QStringLiteral(" %5&   "),
        QStringLiteral(" %6& a%1&b@example.it"),
        QStringLiteral(" %7& KESTOLA-TIBORNE"),
        QStringLiteral(" %8& 00A1B2C3"),
        QStringLiteral(" %9& "),
    };
    EXPECT_EQ(BuildOrderRecord(f), expected);

    f.n2 = QStringLiteral("n2");
    f.adr = QStringLiteral("Via Roma 1");
    f.city = QStringLiteral("Torino");
    f.country = QStringLiteral("IT");
    const QStringList filled = BuildOrderRecord(f);
    EXPECT_EQ(filled[4], QStringLiteral(" %4& n2"));
    EXPECT_EQ(filled[5], QStringLiteral(" %5& Via Roma 1 Torino IT"));
}
