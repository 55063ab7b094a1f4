#include "platform/RegionalFormats.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace platform {
namespace {

std::string Digits(int value, int minimumWidth) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", minimumWidth, value);
    return buffer;
}

bool IsDateLetter(char c) {
    return c == 'd' || c == 'M' || c == 'y' || c == 'g';
}

// One piece of a strftime format: literal text, or a conversion with its padding flag.
struct Piece {
    bool conversion = false;
    char letter = 0;
    char flag = 0; // '-', '_', '0' or 0
    std::string text;
};

std::vector<Piece> Split(std::string_view format) {
    std::vector<Piece> pieces;
    auto literal = [&pieces](std::string_view text) {
        if (text.empty())
            return;
        if (pieces.empty() || pieces.back().conversion)
            pieces.push_back(Piece{});
        pieces.back().text.append(text);
    };
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            literal(format.substr(i, 1));
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        char flag = 0;
        while (j < format.size() && std::string_view("-_0^#+").find(format[j]) != std::string_view::npos) {
            if (format[j] == '-' || format[j] == '_' || format[j] == '0')
                flag = format[j];
            ++j;
        }
        while (j < format.size() && format[j] >= '0' && format[j] <= '9')
            ++j;
        if (j < format.size() && (format[j] == 'E' || format[j] == 'O'))
            ++j;
        if (j >= format.size()) {
            // A dangling % is no conversion; keep it as text.
            literal(format.substr(i));
            break;
        }
        switch (format[j]) {
        case '%':
            literal("%");
            break;
        case 'n':
            literal("\n");
            break;
        case 't':
            literal("\t");
            break;
        default:
            pieces.push_back(Piece{true, format[j], flag, {}});
        }
        i = j + 1;
    }
    return pieces;
}

constexpr std::string_view kDefaultAmPmFormat = "%I:%M:%S %p";

// Replaces the conversions that stand for several others (%T, %r, %D ...) by those others.
std::vector<Piece> Expand(std::string_view format, std::string_view amPmFormat) {
    std::vector<Piece> out;
    for (Piece& piece : Split(format)) {
        std::string_view replacement;
        if (piece.conversion) {
            switch (piece.letter) {
            case 'T':
            case 'X':
                replacement = "%H:%M:%S";
                break;
            case 'R':
                replacement = "%H:%M";
                break;
            case 'r':
                replacement = amPmFormat;
                break;
            case 'D':
            case 'x':
                replacement = "%m/%d/%y";
                break;
            case 'F':
                replacement = "%Y-%m-%d";
                break;
            default:
                break;
            }
        }
        if (replacement.empty()) {
            if (!piece.conversion && !out.empty() && !out.back().conversion)
                out.back().text += piece.text;
            else
                out.push_back(std::move(piece));
            continue;
        }
        for (Piece& inner : Split(replacement)) {
            if (!inner.conversion && !out.empty() && !out.back().conversion)
                out.back().text += inner.text;
            else
                out.push_back(std::move(inner));
        }
    }
    return out;
}

// Text that holds a pattern letter or a quote goes between quotes, quotes doubled.
void AppendLiteral(std::string& pattern, const std::string& text) {
    bool needsQuotes = false;
    for (char c : text)
        needsQuotes = needsQuotes || IsDateLetter(c) || c == '\'';
    if (!needsQuotes) {
        pattern += text;
        return;
    }
    pattern += '\'';
    for (char c : text) {
        if (c == '\'')
            pattern += '\'';
        pattern += c;
    }
    pattern += '\'';
}

std::string DatePatternFromPosix(std::string_view dFmt) {
    const std::vector<Piece> pieces = Expand(dFmt, kDefaultAmPmFormat);
    std::string pattern;
    bool anyField = false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (!p.conversion) {
            AppendLiteral(pattern, p.text);
            continue;
        }
        const bool unpadded = p.flag == '-' || p.flag == '_';
        std::string field;
        switch (p.letter) {
        case 'd':
            field = unpadded ? "d" : "dd";
            break;
        case 'e':
            field = p.flag == '0' ? "dd" : "d";
            break;
        case 'm':
            field = unpadded ? "M" : "MM";
            break;
        case 'b':
        case 'B':
        case 'h':
            field = "MM";
            break;
        case 'y':
        case 'g':
            field = unpadded ? "y" : "yy";
            break;
        case 'Y':
        case 'G':
            field = "yyyy";
            break;
        case 'C':
            // Century followed by the year in the century is the full year; alone it cannot be shown.
            if (i + 1 < pieces.size() && pieces[i + 1].conversion && pieces[i + 1].letter == 'y') {
                field = "yyyy";
                ++i;
            }
            break;
        default:
            break;
        }
        anyField = anyField || !field.empty();
        pattern += field;
    }
    return anyField ? pattern : RegionalFormats{}.shortDatePattern;
}

bool IsHourLetter(char c) {
    return c == 'H' || c == 'k' || c == 'I' || c == 'l';
}

std::string AsciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

LongTimeFormat LongTimeFromPosix(std::string_view tFmt, std::string_view am, std::string_view pm,
                                 std::string_view amPmFormat) {
    // %r inside the 12-hour format itself would never end; the C locale's stands in.
    if (amPmFormat.empty() || amPmFormat.find("%r") != std::string_view::npos)
        amPmFormat = kDefaultAmPmFormat;
    const std::vector<Piece> pieces = Expand(tFmt, amPmFormat);

    std::size_t hour = pieces.size();
    std::size_t marker = pieces.size();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].conversion)
            continue;
        if (hour == pieces.size() && IsHourLetter(pieces[i].letter))
            hour = i;
        if (marker == pieces.size() && (pieces[i].letter == 'p' || pieces[i].letter == 'P'))
            marker = i;
    }
    LongTimeFormat format;
    if (hour == pieces.size())
        return format;

    const Piece& h = pieces[hour];
    format.twelveHour = h.letter == 'I' || h.letter == 'l';
    if (h.letter == 'H' || h.letter == 'I')
        format.leadingZeroHour = h.flag != '-' && h.flag != '_';
    else
        format.leadingZeroHour = h.flag == '0';

    std::string separator;
    for (std::size_t i = hour + 1; i < pieces.size() && !pieces[i].conversion; ++i)
        separator += pieces[i].text;
    if (!separator.empty() || (hour + 1 < pieces.size() && pieces[hour + 1].letter == 'M'))
        format.separator = separator;

    if (marker != pieces.size()) {
        format.markerBeforeTime = marker < hour;
        const bool lower = pieces[marker].letter == 'P';
        format.amDesignator = lower ? AsciiLower(std::string(am)) : std::string(am);
        format.pmDesignator = lower ? AsciiLower(std::string(pm)) : std::string(pm);
    }
    return format;
}

std::string_view View(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

} // namespace

std::string FormatShortDate(const std::string& pattern, const LocalDateTime& t) {
    std::string out;
    std::size_t i = 0;
    const std::size_t n = pattern.size();
    while (i < n) {
        const char c = pattern[i];
        if (c == '\'') {
            if (i + 1 < n && pattern[i + 1] == '\'') {
                out += '\'';
                i += 2;
                continue;
            }
            ++i;
            while (i < n) {
                if (pattern[i] == '\'') {
                    if (i + 1 < n && pattern[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += pattern[i++];
            }
            continue;
        }
        if (!IsDateLetter(c)) {
            out += c;
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < n && pattern[i + run] == c)
            ++run;
        i += run;
        const int yearInCentury = ((t.year % 100) + 100) % 100;
        switch (c) {
        case 'd':
            out += Digits(t.day, run == 1 ? 1 : 2);
            break;
        case 'M':
            out += Digits(t.month, run == 1 ? 1 : 2);
            break;
        case 'y':
            out += run >= 3 ? Digits(t.year, 4) : Digits(yearInCentury, static_cast<int>(run));
            break;
        default: // era: nothing to show
            break;
        }
    }
    return out;
}

std::string FormatLongTime(const LongTimeFormat& format, const LocalDateTime& t) {
    int hour = t.hour;
    if (format.twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    std::string text = Digits(hour, format.leadingZeroHour ? 2 : 1) + format.separator + Digits(t.minute, 2) +
                       format.separator + Digits(t.second, 2);
    if (!format.twelveHour)
        return text;
    const std::string& marker = t.hour < 12 ? format.amDesignator : format.pmDesignator;
    if (marker.empty())
        return text;
    return format.markerBeforeTime ? marker + " " + text : text + " " + marker;
}

RegionalFormats RegionalFormatsFromPosix(const char* dFmt, const char* tFmt, const char* am, const char* pm,
                                         const char* tFmtAmPm) {
    RegionalFormats formats;
    formats.shortDatePattern = DatePatternFromPosix(View(dFmt));
    formats.longTime = LongTimeFromPosix(View(tFmt), View(am), View(pm), View(tFmtAmPm));
    return formats;
}

RegionalFormats RegionalFormatsFromWindows(const WindowsLocaleValues& values) {
    RegionalFormats formats;
    if (!values.shortDate.empty())
        formats.shortDatePattern = values.shortDate;
    LongTimeFormat& time = formats.longTime;
    if (!values.timeSeparator.empty())
        time.separator = values.timeSeparator;
    time.twelveHour = values.timeFormatCode == "0";
    time.leadingZeroHour = values.leadingZeroCode != "0";
    time.markerBeforeTime = values.markerPositionCode == "1";
    time.amDesignator = values.am;
    time.pmDesignator = values.pm;
    return formats;
}

} // namespace platform
