// ModeRules: which modes count, which are offered, and which one each default takes.
#include "display/ModeRules.h"

namespace {

bool IsSize(const DDSURFACEDESC2& mode, DWORD width, DWORD height) {
  return mode.dwWidth == width && mode.dwHeight == height;
}

}  // namespace

DWORD ModeDepthForVersion(DWORD osMajor, DWORD osMinor) {
  return osMajor == 6 && osMinor == 2 ? 32 : 16;
}

bool CountsTowardDefaultPosition(const DDSURFACEDESC2& mode, DWORD depth) {
  return mode.dwHeight >= 480 && mode.ddpfPixelFormat.dwRGBBitCount == depth;
}

bool IsOfferedMode(const DDSURFACEDESC2& mode, DWORD depth) {
  return CountsTowardDefaultPosition(mode, depth) && mode.dwHeight <= 1440 && mode.dwWidth <= 2048;
}

void TakeDefaultMode(VideoDeviceEntry& device) {
  for (DWORD i = 0; i < device.modeCount; ++i) {
    const DDSURFACEDESC2& mode = device.modes[i];
    if (IsSize(mode, 640, 480) && mode.ddpfPixelFormat.dwRGBBitCount == 16) {
      device.defaultMode = mode;
      device.defaultModeIndex = i;
    }
  }
}

int DefaultModePosition(const VideoDeviceEntry& device, DWORD depth) {
  int position = -1;
  int counted = 0;
  for (DWORD i = 0; i < device.modeCount; ++i) {
    const DDSURFACEDESC2& mode = device.modes[i];
    if (!CountsTowardDefaultPosition(mode, depth))
      continue;
    if (IsSize(mode, 640, 480))
      position = counted;
    ++counted;
  }
  return position;
}

int FirstRunModePosition(const ListedMode* table, int count) {
  for (int i = 0; i < count; ++i)
    if (table[i].width == 1024 && table[i].height == 768)
      return i;
  return -1;
}

int ListOfferedModes(const VideoDeviceEntry& device, DWORD depth, ListedMode* table, int capacity) {
  int listed = 0;
  for (DWORD i = 0; i < device.modeCount && listed < capacity; ++i) {
    const DDSURFACEDESC2& mode = device.modes[i];
    if (!IsOfferedMode(mode, depth))
      continue;
    table[listed].width = static_cast<int>(mode.dwWidth);
    table[listed].height = static_cast<int>(mode.dwHeight);
    table[listed].bitsPerPixel = static_cast<int>(depth);
    ++listed;
  }
  return listed;
}
