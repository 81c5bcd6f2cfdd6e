// The System page's rules for offering display modes.
#include "ui/OfferedModes.h"

bool IsOfferedMode(DWORD width, DWORD height, DWORD bitsPerPixel, DWORD osMajor, DWORD osMinor) {
  return height >= 480 && height <= 1440 && width <= 2048 &&
         bitsPerPixel == ModeDepthForVersion(osMajor, osMinor);
}

int ListOfferedModes(const VideoDeviceEntry& device, DWORD osMajor, DWORD osMinor,
                     ListedMode* table, int capacity) {
  int listed = 0;
  for (DWORD i = 0; i < device.modeCount && listed < capacity; ++i) {
    const DDSURFACEDESC2& mode = device.modes[i];
    const DWORD depth = mode.ddpfPixelFormat.dwRGBBitCount;
    if (!IsOfferedMode(mode.dwWidth, mode.dwHeight, depth, osMajor, osMinor))
      continue;
    table[listed].width = static_cast<int>(mode.dwWidth);
    table[listed].height = static_cast<int>(mode.dwHeight);
    table[listed].bitsPerPixel = static_cast<int>(depth);
    ++listed;
  }
  return listed;
}

int FindFirstRunMode(const ListedMode* table, int count) {
  for (int i = 0; i < count; ++i)
    if (table[i].width == 1024 && table[i].height == 768)
      return i;
  return -1;
}
