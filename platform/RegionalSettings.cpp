#include "platform/RegionalFormats.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <vector>
#include <windows.h>
#else
#include <clocale>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <strings.h>
#endif

namespace platform {
namespace {

#ifdef _WIN32

std::string Utf8FromWide(const wchar_t* text, int length) {
    if (length <= 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    return out;
}

// One value of the user's locale as UTF-8; empty when the system does not give it.
std::string UserLocaleValue(LCTYPE item) {
    const int size = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, nullptr, 0);
    if (size <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(size));
    const int written = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer.data(), size);
    if (written <= 0)
        return {};
    // The count includes the terminating NUL.
    return Utf8FromWide(buffer.data(), written - 1);
}

class SystemRegionalSettings final : public RegionalSettings {
public:
    RegionalFormats current() const override {
        WindowsLocaleValues values;
        values.shortDate = UserLocaleValue(LOCALE_SSHORTDATE);
        values.timeSeparator = UserLocaleValue(LOCALE_STIME);
        values.timeFormatCode = UserLocaleValue(LOCALE_ITIME);
        values.leadingZeroCode = UserLocaleValue(LOCALE_ITLZERO);
        values.markerPositionCode = UserLocaleValue(LOCALE_ITIMEMARKPOSN);
        values.am = UserLocaleValue(LOCALE_S1159);
        values.pm = UserLocaleValue(LOCALE_S2359);
        return RegionalFormatsFromWindows(values);
    }
};

#else

bool IsAscii(const char* text) {
    for (; *text; ++text) {
        if (static_cast<unsigned char>(*text) >= 0x80)
            return false;
    }
    return true;
}

bool IsUtf8Name(const char* codeset) {
    return strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "UTF8") == 0;
}

// The strings of LC_TIME come in the character set of the LC_TIME locale, which need not be the one
// of LC_CTYPE. Converts to UTF-8; what cannot be converted keeps only its ASCII characters.
class TimeTextDecoder {
public:
    TimeTextDecoder() {
        const char* timeLocaleName = std::setlocale(LC_TIME, nullptr);
        locale_t ctype = timeLocaleName ? newlocale(LC_CTYPE_MASK, timeLocaleName, locale_t(0)) : locale_t(0);
        if (ctype) {
            codeset_ = nl_langinfo_l(CODESET, ctype);
            freelocale(ctype);
        }
    }

    std::string decode(const char* text) const {
        if (!text)
            return {};
        if (IsAscii(text) || codeset_.empty() || IsUtf8Name(codeset_.c_str()))
            return text;
        std::string converted;
        iconv_t cd = iconv_open("UTF-8", codeset_.c_str());
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            std::string input(text);
            char* in = input.data();
            std::size_t inLeft = input.size();
            std::string output(input.size() * 4 + 4, '\0');
            char* out = output.data();
            std::size_t outLeft = output.size();
            const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
            iconv_close(cd);
            if (result != static_cast<std::size_t>(-1) && inLeft == 0) {
                output.resize(output.size() - outLeft);
                return output;
            }
        }
        for (const char* p = text; *p; ++p) {
            if (static_cast<unsigned char>(*p) < 0x80)
                converted += *p;
        }
        return converted;
    }

private:
    std::string codeset_;
};

class SystemRegionalSettings final : public RegionalSettings {
public:
    RegionalFormats current() const override {
        // nl_langinfo's buffers may be overwritten by the next call: copy each at once.
        const TimeTextDecoder decoder;
        const std::string dFmt = decoder.decode(nl_langinfo(D_FMT));
        const std::string tFmt = decoder.decode(nl_langinfo(T_FMT));
        const std::string am = decoder.decode(nl_langinfo(AM_STR));
        const std::string pm = decoder.decode(nl_langinfo(PM_STR));
        const std::string tFmtAmPm = decoder.decode(nl_langinfo(T_FMT_AMPM));
        return RegionalFormatsFromPosix(dFmt.c_str(), tFmt.c_str(), am.c_str(), pm.c_str(), tFmtAmPm.c_str());
    }
};

#endif

RegionalSettings* installedSettings = nullptr;

} // namespace

RegionalSettings& CurrentRegionalSettings() {
    static SystemRegionalSettings systemSettings;
    return installedSettings ? *installedSettings : systemSettings;
}

void SetRegionalSettings(RegionalSettings* settings) {
    installedSettings = settings;
}

} // namespace platform
