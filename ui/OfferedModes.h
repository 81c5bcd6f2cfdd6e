// Which display modes of a device the System page offers, and its default among them.
#pragma once

#include "display/VideoDevices.h"
#include "ui/CSetupOption.h"

// Heights 480 to 1440, widths up to 2048, and only the one depth of the Windows version
// (ModeDepthForVersion).
bool IsOfferedMode(DWORD width, DWORD height, DWORD bitsPerPixel, DWORD osMajor, DWORD osMinor);

// Copies the device's offered modes, in the device's order, into table; a mode beyond
// capacity is not listed. Returns how many were listed.
int ListOfferedModes(const VideoDeviceEntry& device, DWORD osMajor, DWORD osMinor,
                     ListedMode* table, int capacity);

// The first position of 1024 x 768 among count listed modes, or -1: a first run's choice.
int FindFirstRunMode(const ListedMode* table, int count);
