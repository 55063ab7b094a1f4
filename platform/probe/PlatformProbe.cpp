// Prints the regional formats and machine facts that the platform layer reads on this machine.
#include "platform/LocalTime.h"
#include "platform/MachineFacts.h"
#include "platform/RegionalFormats.h"

#include <clocale>
#include <cstdio>

int main() {
    // Take the user's locale, as the program's application object does at start-up.
    std::setlocale(LC_ALL, "");
    using namespace platform;

    const RegionalFormats formats = CurrentRegionalSettings().current();
    const LongTimeFormat& time = formats.longTime;
    std::printf("short date pattern : [%s]\n", formats.shortDatePattern.c_str());
    std::printf("long time          : leadingZeroHour=%d separator=[%s] twelveHour=%d markerBeforeTime=%d "
                "am=[%s] pm=[%s]\n",
                time.leadingZeroHour, time.separator.c_str(), time.twelveHour, time.markerBeforeTime,
                time.amDesignator.c_str(), time.pmDesignator.c_str());

    const LocalDateTime now = CurrentClock().now();
    std::printf("now                : %04d-%02d-%02d %02d:%02d:%02d.%03d\n", now.year, now.month, now.day,
                now.hour, now.minute, now.second, now.millisecond);
    std::printf("formatted          : [%s] [%s]\n", FormatShortDate(formats.shortDatePattern, now).c_str(),
                FormatLongTime(time, now).c_str());
    const LocalDateTime afternoon{2024, 3, 5, 14, 7, 33, 0};
    std::printf("2024-03-05 14:07:33: [%s] [%s]\n",
                FormatShortDate(formats.shortDatePattern, afternoon).c_str(),
                FormatLongTime(time, afternoon).c_str());

    const MachineFacts& facts = CurrentMachineFacts();
    const auto address = facts.LocalIPv4();
    std::printf("IPv4 address       : %s\n", address ? address->c_str() : "(none)");
    const VolumeInformation volume = facts.Volume('c');
    const std::string line = VolumeInfoLine(volume);
    std::printf("volume             : ok=%d line=[%s] serial text=[%s]\n", volume.ok, line.c_str(),
                VolumeSerialTextFrom(line).c_str());
    const auto guid = facts.HardwareProfileGuid();
    std::printf("hardware profile   : %s id=[%s]\n", guid ? guid->c_str() : "(none)",
                HwProfileIdFrom(guid.value_or(std::string())).c_str());
    return 0;
}
