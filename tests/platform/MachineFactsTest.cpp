#include "platform/MachineFacts.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <fstream>
#include <regex>
#include <string>

using namespace platform;

TEST(VolumeInfoLine, LineAndSerialText) {
    struct Case {
        std::string label;
        std::uint32_t serial;
        const char* line;
        const char* serialText;
    };
    const Case cases[] = {
        {"DATI", 0x80E07F6Eu, "Label = DATI VolSer = 80E07F6E", "80E07F6E"},
        {"", 0xFFFFFFFFu, "Label =  VolSer = FFFFFFFF", "FFFFFFFF"},
        {"SYSTEM", 0x00A1B2C3u, "Label = SYSTEM VolSer = 00A1B2C3", "00A1B2C3"},
        {"X", 0u, "Label = X VolSer = 00000000", "00000000"},
        // The first "VolSer = " wins, even inside the label.
        {"my VolSer = 42", 0x1234ABCDu, "Label = my VolSer = 42 VolSer = 1234ABCD", "42 VolSer = 1234ABCD"},
        // A label is a C string: it ends at its first NUL.
        {std::string("C\0hidden", 8), 0xDEADBEEFu, "Label = C VolSer = DEADBEEF", "DEADBEEF"},
    };
    for (const Case& c : cases) {
        const std::string line = FormatVolumeInfoLine(c.label, c.serial);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(VolumeSerialTextFrom(line), c.serialText) << c.line;
    }
    // An unreadable volume still gives eight digits.
    EXPECT_EQ(VolumeInfoLine(VolumeInformation{false, "ignored", 0x12345678u}), "Label =  VolSer = 00000000");
    EXPECT_EQ(VolumeInfoLine(VolumeInformation{true, "D", 0x12345678u}), "Label = D VolSer = 12345678");
}

TEST(VolumeSerialTextFrom, MarkerIsExactAndNulBytesAreSkipped) {
    EXPECT_EQ(VolumeSerialTextFrom(""), "");
    EXPECT_EQ(VolumeSerialTextFrom("Label = X volser = 12345678"), "");
    EXPECT_EQ(VolumeSerialTextFrom("Label = X VolSer=12345678"), "");
    EXPECT_EQ(VolumeSerialTextFrom("VolSer = "), "");
    EXPECT_EQ(VolumeSerialTextFrom(std::string("VolSer = 12\0"
                                               "34\0",
                                               15)),
              "1234");
}

TEST(HwProfileIdFrom, TheThirtySixCharactersBetweenTheBraces) {
    EXPECT_EQ(HwProfileIdFrom("{3D1219C7-c4c5-404A-AA1F-6D2A48ADFDA4}"),
              "3D1219C7-c4c5-404A-AA1F-6D2A48ADFDA4");
    EXPECT_EQ(HwProfileIdFrom("{3D1219C7-c4c5-404A-AA1F-6D2A48ADFDA4}").size(), 36u);
    // A failed query leaves an all-zero identifier.
    EXPECT_EQ(HwProfileIdFrom(std::string(38, '\0')), "");
    EXPECT_EQ(HwProfileIdFrom(""), "");
}

TEST(SystemMachineFacts, AnswersOfThisMachine) {
    const MachineFacts& facts = CurrentMachineFacts();

    // The serial must not change between runs; at least it must not change between calls.
    const VolumeInformation first = facts.Volume('c');
    const VolumeInformation second = facts.Volume('c');
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.serial, second.serial);
    EXPECT_EQ(first.label, second.label);
    EXPECT_TRUE(std::regex_match(VolumeSerialTextFrom(VolumeInfoLine(first)), std::regex("[0-9A-F]{8}")));

    if (const auto address = facts.LocalIPv4()) {
        in_addr parsed{};
        EXPECT_EQ(inet_pton(AF_INET, address->c_str(), &parsed), 1) << *address;
    }

    std::string machineId;
    std::ifstream("/etc/machine-id") >> machineId;
    const auto guid = facts.HardwareProfileGuid();
    if (machineId.size() != 32) {
        GTEST_SKIP() << "this machine has no usable /etc/machine-id";
    }
    ASSERT_TRUE(guid.has_value());
    EXPECT_TRUE(
        std::regex_match(*guid, std::regex(R"(\{[0-9a-fA-F]{8}(-[0-9a-fA-F]{4}){3}-[0-9a-fA-F]{12}\})")))
        << *guid;
    std::string id = HwProfileIdFrom(*guid);
    EXPECT_EQ(id.size(), 36u);
    std::erase(id, '-');
    EXPECT_EQ(id, machineId);
}

namespace {

class FakeFacts final : public MachineFacts {
public:
    std::optional<std::string> LocalIPv4() const override { return "192.0.2.7"; }
};

} // namespace

TEST(SystemMachineFacts, SeamReplacesOnlyWhatItOverrides) {
    FakeFacts fake;
    SetMachineFacts(&fake);
    EXPECT_EQ(CurrentMachineFacts().LocalIPv4(), "192.0.2.7");
    EXPECT_TRUE(CurrentMachineFacts().Volume('c').ok);
    SetMachineFacts(nullptr);
    EXPECT_NE(&CurrentMachineFacts(), &fake);
}
