#include "platform/MachineFacts.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <cstring>
#include <vector>
#include <windows.h>
#include <winsock2.h>
#else
#include <arpa/inet.h>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/statvfs.h>
#include <unistd.h>
#if defined(__linux__)
#include <linux/fs.h>
#include <sys/ioctl.h>
#endif
#endif

namespace platform {
namespace {

MachineFacts* installedFacts = nullptr;

#ifdef _WIN32

// GetVolumeInformationA answers in the ANSI code page; the platform layer speaks UTF-8.
std::string Utf8FromAnsi(const char* text) {
    const int wideSize = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (wideSize <= 1)
        return {};
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideSize));
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), wideSize);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize - 1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize - 1, out.data(), size, nullptr, nullptr);
    return out;
}

#else

std::optional<std::string> MachineIdFrom(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    if (!file)
        return std::nullopt;
    char buffer[64] = {};
    const bool read = std::fgets(buffer, sizeof buffer, file) != nullptr;
    std::fclose(file);
    if (!read)
        return std::nullopt;
    std::string id(buffer);
    while (!id.empty() && std::isspace(static_cast<unsigned char>(id.back())))
        id.pop_back();
    if (id.size() != 32)
        return std::nullopt;
    for (char c : id) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    return "{" + id.substr(0, 8) + "-" + id.substr(8, 4) + "-" + id.substr(12, 4) + "-" + id.substr(16, 4) +
           "-" + id.substr(20, 12) + "}";
}

#endif

} // namespace

#ifdef _WIN32

std::optional<std::string> MachineFacts::LocalIPv4() const {
    WSADATA data;
    if (WSAStartup(0x0101, &data) != 0)
        return std::nullopt;
    std::optional<std::string> address;
    char name[128] = {};
    if (gethostname(name, sizeof name) == 0) {
        name[sizeof name - 1] = '\0';
        const hostent* host = gethostbyname(name);
        if (host && host->h_addrtype == AF_INET && host->h_length == sizeof(in_addr) && host->h_addr_list &&
            host->h_addr_list[0]) {
            in_addr first;
            std::memcpy(&first, host->h_addr_list[0], sizeof first);
            if (const char* text = inet_ntoa(first))
                address = text;
        }
    }
    WSACleanup();
    return address;
}

VolumeInformation MachineFacts::Volume(char driveLetter) const {
    const char root[] = {driveLetter, ':', '\\', '\0'};
    char label[261] = {};
    DWORD serial = 0;
    DWORD maxComponentLength = 0;
    DWORD flags = 0;
    if (!GetVolumeInformationA(root, label, sizeof label, &serial, &maxComponentLength, &flags, nullptr, 0))
        return {};
    label[sizeof label - 1] = '\0';
    return {true, Utf8FromAnsi(label), static_cast<std::uint32_t>(serial)};
}

std::optional<std::string> MachineFacts::HardwareProfileGuid() const {
    HW_PROFILE_INFOA profile{};
    if (!GetCurrentHwProfileA(&profile))
        return std::nullopt;
    profile.szHwProfileGuid[HW_PROFILE_GUIDLEN - 1] = '\0';
    return std::string(profile.szHwProfileGuid);
}

#else

std::optional<std::string> MachineFacts::LocalIPv4() const {
    char name[128] = {};
    if (gethostname(name, sizeof name) != 0)
        return std::nullopt;
    // A name that fills the buffer may come without its terminator.
    name[sizeof name - 1] = '\0';
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* list = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &list) != 0 || !list)
        return std::nullopt;
    std::optional<std::string> address;
    for (const addrinfo* entry = list; entry && !address; entry = entry->ai_next) {
        if (entry->ai_family != AF_INET || !entry->ai_addr)
            continue;
        const auto* in = reinterpret_cast<const sockaddr_in*>(entry->ai_addr);
        char text[INET_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
            address = text;
    }
    freeaddrinfo(list);
    return address;
}

VolumeInformation MachineFacts::Volume(char /*driveLetter*/) const {
    struct statvfs info {};
    if (statvfs("/", &info) != 0)
        return {};
    const auto fsid = static_cast<std::uint64_t>(info.f_fsid);
    VolumeInformation volume;
    volume.ok = true;
    volume.serial = static_cast<std::uint32_t>(fsid) ^ static_cast<std::uint32_t>(fsid >> 32);
#if defined(__linux__) && defined(FS_IOC_GETFSLABEL)
    const int root = open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root >= 0) {
        char label[FSLABEL_MAX + 1] = {};
        if (ioctl(root, FS_IOC_GETFSLABEL, label) == 0)
            volume.label.assign(label, strnlen(label, FSLABEL_MAX));
        close(root);
    }
#endif
    return volume;
}

std::optional<std::string> MachineFacts::HardwareProfileGuid() const {
    if (auto id = MachineIdFrom("/etc/machine-id"))
        return id;
    return MachineIdFrom("/var/lib/dbus/machine-id");
}

#endif

MachineFacts& CurrentMachineFacts() {
    static MachineFacts systemFacts;
    return installedFacts ? *installedFacts : systemFacts;
}

void SetMachineFacts(MachineFacts* facts) {
    installedFacts = facts;
}

} // namespace platform
