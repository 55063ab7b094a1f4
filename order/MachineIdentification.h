#pragma once

#include <QString>

// Facts about the computer that every order record carries, kept as the order form's module texts.
extern QString LocalAddress;     // dotted IPv4 address; empty until one has been found
extern QString VolumeInfoLine;   // "Label = <label> VolSer = <8 hex digits>"
extern QString VolumeSerialText; // what follows "VolSer = " in VolumeInfoLine
extern QString HwProfileId;      // the 36 characters of the hardware-profile identifier

// Returns the address, or an empty text when none can be found; LocalAddress changes only when found.
QString GetLocalAddress();
QString GetVolumeInfoLine(char driveLetter);
void GetVolumeSerialText();
// Rebuilds HwProfileId and puts it into the order form's EdAllDtHs.
void GetHwProfileId();

void ResetMachineIdentification();
