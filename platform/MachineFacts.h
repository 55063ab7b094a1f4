#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Three facts about this computer that every order carries, and the texts made from them.
namespace platform {

struct VolumeInformation {
    bool ok = false;
    std::string label; // UTF-8
    std::uint32_t serial = 0;
};

// The operating system's answers. Tests derive from it and override what they need.
class MachineFacts {
public:
    virtual ~MachineFacts() = default;

    // The first IPv4 address the resolver lists for this computer's host name, as dotted decimal;
    // nothing when the name cannot be read or does not resolve.
    // POSIX: gethostname (128 bytes) and getaddrinfo (AF_INET). Windows: Windows Sockets 1.1.
    virtual std::optional<std::string> LocalIPv4() const;

    // Windows: GetVolumeInformationA on the drive's root ("c:\" for 'c').
    // POSIX: there are no drive letters; the file system that holds "/" answers for every letter.
    // Its label comes from FS_IOC_GETFSLABEL where the system and file system offer it (else empty),
    // its serial from the file-system id that statvfs reports, the two 32-bit halves XORed together.
    // File systems that derive the id from their UUID (ext4, XFS, Btrfs) thus give the same serial on
    // every run and boot. ok is false when the file system cannot be queried at all.
    virtual VolumeInformation Volume(char driveLetter) const;

    // The current hardware profile's identifier, 38 characters with braces.
    // Windows: GetCurrentHwProfileA. POSIX: the machine id (/etc/machine-id, else
    // /var/lib/dbus/machine-id), 32 hexadecimal digits shaped as {8-4-4-4-12}, case kept.
    // Nothing when the query fails.
    virtual std::optional<std::string> HardwareProfileGuid() const;
};

// The facts in use: the ones last set, else the operating system's.
MachineFacts& CurrentMachineFacts();
// nullptr restores the operating system's facts. The caller keeps ownership.
void SetMachineFacts(MachineFacts* facts);

// "Label = <label> VolSer = <serial as 8 upper-case hexadecimal digits>". The label ends at a NUL,
// as a C string would.
std::string FormatVolumeInfoLine(const std::string& label, std::uint32_t serial);

// The line for a queried volume. An unreadable volume gives the line of an empty label and serial 0,
// so the order still carries eight digits (00000000) rather than an empty or half field.
std::string VolumeInfoLine(const VolumeInformation& volume);

// Everything after the first "VolSer = " (case matters), NUL bytes skipped; empty if it is absent.
std::string VolumeSerialTextFrom(const std::string& line);

// Characters 2 to 37 of the identifier: the 36 between the braces. The identifier ends at its first NUL,
// so a failed query (an all-zero identifier) gives an empty text.
std::string HwProfileIdFrom(const std::string& guid38);

} // namespace platform
