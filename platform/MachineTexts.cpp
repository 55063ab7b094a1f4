#include "platform/MachineFacts.h"

#include <cstdio>

namespace platform {

std::string FormatVolumeInfoLine(const std::string& label, std::uint32_t serial) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%8.8X", static_cast<unsigned>(serial));
    return "Label = " + label.substr(0, label.find('\0')) + " VolSer = " + digits;
}

std::string VolumeInfoLine(const VolumeInformation& volume) {
    return volume.ok ? FormatVolumeInfoLine(volume.label, volume.serial) : FormatVolumeInfoLine({}, 0);
}

std::string VolumeSerialTextFrom(const std::string& line) {
    static constexpr char kMarker[] = "VolSer = ";
    const std::size_t at = line.find(kMarker);
    if (at == std::string::npos)
        return {};
    std::string serial;
    for (std::size_t i = at + sizeof kMarker - 1; i < line.size(); ++i) {
        if (line[i] != '\0')
            serial += line[i];
    }
    return serial;
}

std::string HwProfileIdFrom(const std::string& guid38) {
    const std::string guid = guid38.substr(0, guid38.find('\0'));
    if (guid.size() < 2)
        return {};
    return guid.substr(1, 36);
}

} // namespace platform
