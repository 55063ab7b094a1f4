#pragma once

#include "TestSeams.h"
#include "platform/LocalTime.h"
#include "platform/MachineFacts.h"
#include "platform/RegionalFormats.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class QAbstractButton;
class QLabel;
class QLineEdit;

// Fixed answers for the machine's clock, regional formats and identity.
class FixedClock final : public platform::Clock {
public:
    platform::LocalDateTime time{2024, 3, 5, 14, 7, 33, 0};
    platform::LocalDateTime now() const override { return time; }
};

class FixedRegionalSettings final : public platform::RegionalSettings {
public:
    platform::RegionalFormats formats{"dd/MM/yyyy", {true, ":", false, false, "", ""}};
    platform::RegionalFormats current() const override { return formats; }
};

class FixedMachineFacts final : public platform::MachineFacts {
public:
    std::optional<std::string> address = "192.168.1.20";
    platform::VolumeInformation volume{true, "SYSTEM", 0x00A1B2C3u};
    std::optional<std::string> guid = "{3f2504e0-4f89-11d3-9a0c-0305e82c3301}";
    std::optional<std::string> LocalIPv4() const override { return address; }
    platform::VolumeInformation Volume(char) const override { return volume; }
    std::optional<std::string> HardwareProfileGuid() const override { return guid; }
};

// A freshly started program: its three forms, zeroed module state, the order window shown and active,
// a working folder of its own, and the seams answered by the test.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // The customer's actions, as real input events.
    static void Type(QLineEdit* edit, const QString& text);
    static void Click(QAbstractButton* button);
    // Sets the clock so that the time digit (the tens of seconds in HH:mm:ss) is the given one.
    void SetTimeDigit(int digit);
    // Name, surname, both addresses and a product without the Word question.
    void FillForm(const QString& mail = QStringLiteral("mario.rossi@example.it"));
    // Ticks the code box and types the code of the picture shown.
    void PassChallenge();
    QString WorkFile(const QString& name) const;

    RecordingBoxes boxes;
    RecordingProcess process;
    FixedClock clock;
    FixedRegionalSettings regional;
    FixedMachineFacts machine;

private:
    QTemporaryDir workDir_;
    QString previousDir_;
};

// The labels that can be painted red, by name, and which of them are red now.
QStringList RedLabels();
