#include "order/MachineIdentification.h"

#include "order/URedAzo.h"
#include "platform/MachineFacts.h"

QString LocalAddress;
QString VolumeInfoLine;
QString VolumeSerialText;
QString HwProfileId;

QString GetLocalAddress() {
    const std::optional<std::string> address = platform::CurrentMachineFacts().LocalIPv4();
    if (!address)
        return QString(); // an earlier press's address stays in LocalAddress
    LocalAddress = QString::fromStdString(*address);
    return LocalAddress;
}

QString GetVolumeInfoLine(char driveLetter) {
    VolumeInfoLine =
        QString::fromStdString(platform::VolumeInfoLine(platform::CurrentMachineFacts().Volume(driveLetter)));
    return VolumeInfoLine;
}

void GetVolumeSerialText() {
    VolumeSerialText = QString::fromStdString(platform::VolumeSerialTextFrom(VolumeInfoLine.toStdString()));
}

void GetHwProfileId() {
    const std::optional<std::string> guid = platform::CurrentMachineFacts().HardwareProfileGuid();
    HwProfileId = guid ? QString::fromStdString(platform::HwProfileIdFrom(*guid)) : QString();
    FormOr->EdAllDtHs->setText(HwProfileId);
}

void ResetMachineIdentification() {
    LocalAddress.clear();
    VolumeInfoLine.clear();
    VolumeSerialText.clear();
    HwProfileId.clear();
}
