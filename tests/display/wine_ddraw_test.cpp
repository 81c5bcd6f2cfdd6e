// The device list from Wine's own ddraw.dll, inside the build tree's virtual desktop.
#include <gtest/gtest.h>

#include <stdio.h>

#include "display/VideoDevices.h"

namespace {

DWORD DepthFlag(DWORD bits) {
  switch (bits) {
    case 16:
      return DDBD_16;
    case 24:
      return DDBD_24;
    case 32:
      return DDBD_32;
    default:
      return 0;
  }
}

void PrintGuid(const GUID& g) {
  printf("{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2, g.Data3,
         g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6],
         g.Data4[7]);
}

// What the lead needs to know about this machine's devices, in the test's output.
void PrintDevices() {
  const VideoDeviceEntry* d = GetVideoDevices();
  for (DWORD i = 0; i < GetVideoDeviceCount(); ++i) {
    printf("device %lu: \"%s\" hardware=0x%08lX modes=%lu default=%lu windowed=%d device=", i,
           d[i].description, d[i].hardware, d[i].modeCount, d[i].defaultModeIndex,
           d[i].windowCapable);
    PrintGuid(d[i].deviceGuid);
    printf(" driver=%s\n  ", d[i].driverGuidPtr ? "secondary" : "primary");
    for (DWORD m = 0; m < d[i].modeCount; ++m)
      printf("%lux%lux%lu ", d[i].modes[m].dwWidth, d[i].modes[m].dwHeight,
             d[i].modes[m].ddpfPixelFormat.dwRGBBitCount);
    printf("\n");
  }
  fflush(stdout);
}

TEST(WineDirectDraw, ListsDevicesWithSortedRenderableModes) {
  const int result = EnumerateVideoDevices(AcceptAllDevices);
  PrintDevices();
  EXPECT_EQ(0, result);
  ASSERT_GT(GetVideoDeviceCount(), 0u);
  const VideoDeviceEntry* d = GetVideoDevices();
  bool anyHardware = false;
  for (DWORD i = 0; i < GetVideoDeviceCount(); ++i) {
    ASSERT_GT(d[i].modeCount, 0u) << i;
    anyHardware |= d[i].hardware != 0;
    for (DWORD m = 0; m < d[i].modeCount; ++m) {
      const DWORD bits = d[i].modes[m].ddpfPixelFormat.dwRGBBitCount;
      EXPECT_NE(0u, d[i].deviceDesc.dwDeviceRenderBitDepth & DepthFlag(bits)) << i << " " << m;
      if (m > 0) {
        EXPECT_LE(CompareDisplayModes(&d[i].modes[m - 1], &d[i].modes[m]), 0) << i << " " << m;
      }
    }
  }
  // The virtual desktop offers 640 x 480 at 16 bits; a hardware device renders it.
  EXPECT_TRUE(anyHardware);
  ReleaseVideoDevices();
}

}  // namespace
