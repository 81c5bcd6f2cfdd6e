// The rules over a device's sorted modes: the one depth of a Windows version, the two filters
// by which the defaults and the System page count modes, and each default resolution.
#pragma once

#include "display/VideoDevices.h"

// One item of the System page's resolution list.
struct ListedMode {
  int width = 640;
  int height = 480;
  int bitsPerPixel = 16;
};
const int kListedModeCapacity = 40;

// The one colour depth of the modes offered and chosen by default: 32 bits on 6.2, which is
// what Windows 8 and later report to a program that lists no supported versions; else 16.
DWORD ModeDepthForVersion(DWORD osMajor, DWORD osMinor);

// Two filters at that depth. The defaults count every mode at least 480 pixels high; the
// System page lists only those that also fit within 2048 x 1440. Sorted before 640 x 480,
// only a mode higher than 1440 can set the two counts apart.
bool CountsTowardDefaultPosition(const DDSURFACEDESC2& mode, DWORD depth);
bool IsOfferedMode(const DDSURFACEDESC2& mode, DWORD depth);

// The enumeration's: the last 640 x 480 x 16 mode becomes the device's defaultMode.
void TakeDefaultMode(VideoDeviceEntry& device);
// The defaults': the number of counted modes before the last 640 x 480 at the depth, or -1.
int DefaultModePosition(const VideoDeviceEntry& device, DWORD depth);
// The System page's on a first run: the first 1024 x 768 among count listed modes, or -1.
int FirstRunModePosition(const ListedMode* table, int count);

// Copies the device's offered modes, in the device's order, into table; a mode beyond
// capacity is not listed. Returns how many were listed.
int ListOfferedModes(const VideoDeviceEntry& device, DWORD depth, ListedMode* table, int capacity);
