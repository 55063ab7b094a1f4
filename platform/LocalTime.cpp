#include "platform/LocalTime.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <ctime>
#endif

namespace platform {
namespace {

class SystemClock final : public Clock {
public:
    LocalDateTime now() const override {
#ifdef _WIN32
        SYSTEMTIME t{};
        GetLocalTime(&t);
        return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
#else
        timespec ts{};
        clock_gettime(CLOCK_REALTIME, &ts);
        std::tm tm{};
        // localtime_r fails only for times far outside any calendar; UTC is a better answer than garbage.
        if (!localtime_r(&ts.tv_sec, &tm))
            gmtime_r(&ts.tv_sec, &tm);
        return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                // A leap second reads as the last second of its minute.
                tm.tm_sec > 59 ? 59 : tm.tm_sec, static_cast<int>(ts.tv_nsec / 1000000)};
#endif
    }
};

Clock* installedClock = nullptr;

} // namespace

Clock& CurrentClock() {
    static SystemClock systemClock;
    return installedClock ? *installedClock : systemClock;
}

void SetClock(Clock* clock) {
    installedClock = clock;
}

} // namespace platform
