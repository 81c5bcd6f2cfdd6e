// The device list built from scripted drivers: what is kept, in which order, under which name.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "display/CFakeDirectDraw.h"
#include "display/ModeArrayCounter.h"
#include "display/VideoDevices.h"

namespace {

const DWORD kAllDepths = DDBD_16 | DDBD_24 | DDBD_32;
const GUID kSecondGuid = TaggedGuid(0xA2);
const GUID kThirdGuid = TaggedGuid(0xA3);

std::vector<FakeMode> StandardModes() {
  return {Mode(640, 480, 16), Mode(640, 480, 32), Mode(800, 600, 16), Mode(800, 600, 32)};
}

struct Size {
  DWORD width, height, bits;
};

std::vector<Size> ModesOf(const VideoDeviceEntry& entry) {
  std::vector<Size> sizes;
  for (DWORD i = 0; i < entry.modeCount; ++i)
    sizes.push_back({entry.modes[i].dwWidth, entry.modes[i].dwHeight,
                     entry.modes[i].ddpfPixelFormat.dwRGBBitCount});
  return sizes;
}

std::string Describe(const std::vector<Size>& sizes) {
  std::string text;
  for (const Size& s : sizes)
    text += std::to_string(s.width) + "x" + std::to_string(s.height) + "x" +
            std::to_string(s.bits) + " ";
  return text;
}

bool IsZero(const void* p, size_t size) {
  const BYTE* b = static_cast<const BYTE*>(p);
  for (size_t i = 0; i < size; ++i)
    if (b[i])
      return false;
  return true;
}

TEST(VideoDeviceResult, NoDirect3DDeviceAnywhereIsNoDevice) {
  FakeDriver closed =
      Driver(&kSecondGuid, "Cannot open", StandardModes(), {Device("HAL", true, kAllDepths, 1)});
  closed.createFails = true;
  FakeDriver noD3D =
      Driver(&kThirdGuid, "No Direct3D", StandardModes(), {Device("HAL", true, kAllDepths, 2)});
  noD3D.lacksDirect3D = true;
  CFakeDirectDraw::Install({Driver(nullptr, "Primary", StandardModes(), {}), closed, noD3D});
  EXPECT_EQ(kEnumNoDevice, EnumerateVideoDevices(AcceptAllDevices));
  EXPECT_EQ(0u, GetVideoDeviceCount());
  EXPECT_NE(nullptr, GetVideoDevices());
  EXPECT_EQ(0, CFakeDirectDraw::LiveObjects());
}

TEST(VideoDeviceResult, DevicesThatRenderNoModeAreNoneAccepted) {
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary", {Mode(640, 480, 8), Mode(640, 480, 15), Mode(800, 600, 8)},
              {Device("HAL", true, kAllDepths, 1), Device("RGB", false, kAllDepths, 2)}),
       // a driver whose mode enumeration yields nothing
       Driver(&kSecondGuid, "Empty", {}, {Device("HAL", true, kAllDepths, 3)})});
  EXPECT_EQ(kEnumNoneAccepted, EnumerateVideoDevices(nullptr));
  EXPECT_EQ(0u, GetVideoDeviceCount());
  EXPECT_EQ(0, LiveModeArrays());
}

TEST(VideoDeviceResult, AnAcceptedDeviceIsSuccessAndDriversAfterAFailureStillCount) {
  FakeDriver closed =
      Driver(&kSecondGuid, "Cannot open", StandardModes(), {Device("HAL", true, kAllDepths, 1)});
  closed.createFails = true;
  CFakeDirectDraw::Install({closed, Driver(&kThirdGuid, "Works", StandardModes(),
                                           {Device("HAL", true, kAllDepths, 2)})});
  EXPECT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(1u, GetVideoDeviceCount());
  EXPECT_STREQ("Works", GetVideoDevices()[0].description);
  // All secondary and detached drivers are asked for; each size once, not per refresh rate.
  EXPECT_EQ(7u, CFakeDirectDraw::LastEnumerateFlags());
  EXPECT_EQ(0u, CFakeDirectDraw::LastDisplayModeFlags());
  EXPECT_EQ(0, CFakeDirectDraw::LiveObjects());
}

TEST(VideoDeviceModes, AreSortedByWidthThenHeightThenDepth) {
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary",
              {Mode(1024, 768, 32), Mode(800, 600, 32), Mode(1024, 768, 16), Mode(640, 480, 32),
               Mode(1280, 720, 16), Mode(1280, 1024, 16), Mode(640, 400, 16),
               Mode(0x80000000u, 480, 16), Mode(1280, 0x80000000u, 16), Mode(640, 480, 16)},
              {Device("HAL", true, kAllDepths, 1)})});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(1u, GetVideoDeviceCount());
  // Widths and heights compare unsigned: a huge one sorts last, not first.
  EXPECT_EQ(
      "640x400x16 640x480x16 640x480x32 800x600x32 1024x768x16 1024x768x32 1280x720x16 "
      "1280x1024x16 1280x2147483648x16 2147483648x480x16 ",
      Describe(ModesOf(GetVideoDevices()[0])));
}

TEST(VideoDeviceModes, KeepOnlyTheDepthsTheDeviceRenders) {
  const std::vector<FakeMode> modes = {Mode(800, 600, 8),  Mode(800, 600, 15), Mode(800, 600, 16),
                                       Mode(800, 600, 24), Mode(800, 600, 32), Mode(800, 600, 64)};
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary", modes,
              {Device("All", true, kAllDepths | DDBD_8, 1), Device("Only24", true, DDBD_24, 2),
               Device("Only32", true, DDBD_32, 3), Device("Only16", true, DDBD_16, 4),
               Device("Only8", true, DDBD_8, 5)})});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(4u, GetVideoDeviceCount());
  const VideoDeviceEntry* d = GetVideoDevices();
  EXPECT_EQ("800x600x16 800x600x24 800x600x32 ", Describe(ModesOf(d[0])));
  EXPECT_EQ("800x600x24 ", Describe(ModesOf(d[1])));
  EXPECT_EQ("800x600x32 ", Describe(ModesOf(d[2])));
  EXPECT_EQ("800x600x16 ", Describe(ModesOf(d[3])));
  // The 8-bit-only device had nothing to keep, so it left no entry behind.
  EXPECT_EQ(4, LiveModeArrays());
}

TEST(VideoDeviceModes, StereoIsNotedOnlyForAKeptMode) {
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary",
              {Mode(640, 480, 16), Mode(640, 480, 8, DDSCAPS2_STEREOSURFACELEFT)},
              {Device("Mono", true, DDBD_16 | DDBD_8, 1)}),
       Driver(&kSecondGuid, "Stereo card",
              {Mode(640, 480, 16), Mode(1024, 768, 32, DDSCAPS2_STEREOSURFACELEFT)},
              {Device("HAL", true, DDBD_16 | DDBD_32, 2), Device("HAL16", true, DDBD_16, 3)})});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(3u, GetVideoDeviceCount());
  EXPECT_FALSE(GetVideoDevices()[0].anyStereoMode);
  EXPECT_TRUE(GetVideoDevices()[1].anyStereoMode);
  EXPECT_FALSE(GetVideoDevices()[2].anyStereoMode);
  EXPECT_FALSE(GetVideoDevices()[1].stereoSelected);
}

TEST(VideoDeviceDefaultMode, IsTheLast640x480x16) {
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary",
              {Mode(800, 600, 16), Mode(640, 480, 16, 0x1), Mode(320, 240, 16),
               Mode(640, 480, 16, 0x2), Mode(640, 480, 32)},
              {Device("HAL", true, kAllDepths, 1), Device("HAL32", true, DDBD_32, 2)})});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(2u, GetVideoDeviceCount());
  const VideoDeviceEntry& d = GetVideoDevices()[0];
  ASSERT_EQ(5u, d.modeCount);
  // The two equal modes sort next to each other, in either order; the later one wins.
  EXPECT_EQ(2u, d.defaultModeIndex);
  EXPECT_EQ(640u, d.modes[1].dwWidth);
  EXPECT_EQ(0, memcmp(&d.defaultMode, &d.modes[2], sizeof(DDSURFACEDESC2)));
  EXPECT_NE(d.modes[1].ddsCaps.dwCaps2, d.defaultMode.ddsCaps.dwCaps2);

  // No 640 x 480 x 16 among the kept modes: nothing chosen.
  const VideoDeviceEntry& d32 = GetVideoDevices()[1];
  EXPECT_EQ("640x480x32 ", Describe(ModesOf(d32)));
  EXPECT_TRUE(IsZero(&d32.defaultMode, sizeof(d32.defaultMode)));
  EXPECT_EQ(0u, d32.defaultModeIndex);
}

TEST(VideoDeviceSelection, SecondarySoftwareRasterisersNeverEnterTheList) {
  CFakeDirectDraw::Install({Driver(nullptr, "Primary Display Driver", StandardModes(),
                                   {Device("RGB Emulation", false, kAllDepths, 1),
                                    Device("Direct3D HAL", true, kAllDepths, 2)}),
                            Driver(&kSecondGuid, "Second Card", StandardModes(),
                                   {Device("RGB Emulation", false, kAllDepths, 3),
                                    Device("Direct3D HAL", true, kAllDepths, 4),
                                    Device("Direct3D T&L HAL", true, kAllDepths, 5)})});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(4u, GetVideoDeviceCount());
  const VideoDeviceEntry* d = GetVideoDevices();
  // The primary's devices go by their own names, the secondary's by the driver's.
  EXPECT_STREQ("RGB Emulation", d[0].description);
  EXPECT_EQ(0u, d[0].hardware);
  EXPECT_STREQ("Direct3D HAL", d[1].description);
  EXPECT_EQ(0x00080000u, d[1].hardware);
  EXPECT_STREQ("Second Card", d[2].description);
  EXPECT_STREQ("Second Card", d[3].description);
  EXPECT_TRUE(IsEqualGUID(TaggedGuid(4), d[2].deviceGuid));
  EXPECT_TRUE(IsEqualGUID(TaggedGuid(5), d[3].deviceGuid));

  for (DWORD i = 0; i < 4; ++i) {
    EXPECT_EQ(&d[i].deviceGuid, d[i].deviceGuidPtr) << i;
    EXPECT_EQ(sizeof(DDCAPS), d[i].driverCaps.dwSize) << i;
    EXPECT_EQ(DWORD(DDCAPS_BLT), d[i].emulationCaps.dwCaps) << i;
  }
  EXPECT_EQ(nullptr, d[0].driverGuidPtr);
  EXPECT_EQ(nullptr, d[1].driverGuidPtr);
  EXPECT_TRUE(IsZero(&d[1].driverGuid, sizeof(GUID)));
  EXPECT_EQ(&d[2].driverGuid, d[2].driverGuidPtr);
  EXPECT_TRUE(IsEqualGUID(kSecondGuid, d[3].driverGuid));
  EXPECT_TRUE(IsEqualGUID(TaggedGuid(2), d[1].deviceDesc.deviceGUID));
}

TEST(VideoDeviceSelection, OnlyThePrimaryDriverStartsWindowed) {
  FakeDriver primary =
      Driver(nullptr, "Primary", StandardModes(), {Device("HAL", true, kAllDepths, 1)});
  primary.caps2 = DDCAPS2_CANRENDERWINDOWED;
  FakeDriver secondary =
      Driver(&kSecondGuid, "Second", StandardModes(), {Device("HAL", true, kAllDepths, 2)});
  secondary.caps2 = DDCAPS2_CANRENDERWINDOWED;
  CFakeDirectDraw::Install({primary, secondary});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(2u, GetVideoDeviceCount());
  EXPECT_TRUE(GetVideoDevices()[0].windowCapable);
  EXPECT_TRUE(GetVideoDevices()[0].startWindowed);
  EXPECT_EQ(DWORD(DDCAPS2_CANRENDERWINDOWED), GetVideoDevices()[1].driverCaps.dwCaps2);
  EXPECT_FALSE(GetVideoDevices()[1].windowCapable);
  EXPECT_FALSE(GetVideoDevices()[1].startWindowed);
}

TEST(VideoDeviceSelection, DescriptionsAreCutTo38Characters) {
  const std::string longName(50, 'N');
  const std::string longDriver = "0123456789012345678901234567890123456789abc";
  const std::string exact(38, 'E');
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary", StandardModes(),
              {Device(longName, true, kAllDepths, 1), Device(exact, true, kAllDepths, 2)}),
       Driver(&kSecondGuid, longDriver, StandardModes(), {Device("HAL", true, kAllDepths, 3)})});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(3u, GetVideoDeviceCount());
  const VideoDeviceEntry* d = GetVideoDevices();
  EXPECT_EQ(std::string(38, 'N'), d[0].description);
  EXPECT_EQ(exact, d[1].description);
  EXPECT_EQ(longDriver.substr(0, 38), d[2].description);
  for (DWORD i = 0; i < 3; ++i) {
    EXPECT_EQ('\0', d[i].description[38]) << i;
    EXPECT_EQ('\0', d[i].description[39]) << i;
  }
}

// The hook sees the candidate's own records; it rejects the device tagged 2.
DWORD g_hookCalls;
DWORD g_hookCapsSize;
int RejectTagTwo(DDCAPS* driverCaps, D3DDEVICEDESC7* desc) {
  ++g_hookCalls;
  g_hookCapsSize = driverCaps->dwSize;
  if (IsEqualGUID(TaggedGuid(2), desc->deviceGUID))
    return -1;
  return IsEqualGUID(TaggedGuid(3), desc->deviceGUID) ? 5 : 0;
}

TEST(VideoDeviceSelection, AHookRejectsWithANegativeResult) {
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary", StandardModes(),
              {Device("One", true, kAllDepths, 1), Device("Two", true, kAllDepths, 2),
               Device("Three", true, kAllDepths, 3)}),
       Driver(&kSecondGuid, "Second", StandardModes(), {Device("Soft", false, kAllDepths, 4)})});
  ASSERT_EQ(0, EnumerateVideoDevices(RejectTagTwo));
  ASSERT_EQ(2u, GetVideoDeviceCount());
  EXPECT_STREQ("One", GetVideoDevices()[0].description);
  EXPECT_STREQ("Three", GetVideoDevices()[1].description);
  // The secondary software device is turned away before the hook is asked.
  EXPECT_EQ(3u, g_hookCalls);
  EXPECT_EQ(sizeof(DDCAPS), g_hookCapsSize);
  EXPECT_EQ(2, LiveModeArrays());
}

TEST(VideoDeviceSelection, DevicesBeyondTwentyAreIgnored) {
  std::vector<FakeDevice> devices;
  for (int i = 0; i < 25; ++i)
    devices.push_back(Device("HAL " + std::to_string(i), true, kAllDepths, BYTE(i + 1)));
  CFakeDirectDraw::Install({Driver(nullptr, "Primary", StandardModes(), devices)});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(kVideoDeviceCapacity, GetVideoDeviceCount());
  for (DWORD i = 0; i < kVideoDeviceCapacity; ++i) {
    EXPECT_EQ("HAL " + std::to_string(i), GetVideoDevices()[i].description);
    EXPECT_EQ(4u, GetVideoDevices()[i].modeCount);
  }
  // The five extra devices' modes were freed as soon as they were turned away.
  EXPECT_EQ(int(kVideoDeviceCapacity), LiveModeArrays());
  ReleaseVideoDevices();
  EXPECT_EQ(0, LiveModeArrays());
}

TEST(VideoDeviceLifetime, EveryModeArrayIsFreedAndEveryInterfaceReleased) {
  FakeDriver noD3D = Driver(&kThirdGuid, "No Direct3D", StandardModes(), {});
  noD3D.lacksDirect3D = true;
  CFakeDirectDraw::Install(
      {Driver(nullptr, "Primary", StandardModes(),
              {Device("RGB", false, kAllDepths, 1), Device("HAL", true, kAllDepths, 2),
               Device("Eight", true, DDBD_8, 3)}),
       Driver(&kSecondGuid, "Second", StandardModes(),
              {Device("Soft", false, kAllDepths, 4), Device("HAL", true, DDBD_32, 5)}),
       noD3D});
  ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
  ASSERT_EQ(3u, GetVideoDeviceCount());
  EXPECT_EQ(0, CFakeDirectDraw::LiveObjects());
  // Only the accepted entries still own arrays: drivers' and rejected devices' are gone.
  EXPECT_EQ(3, LiveModeArrays());
  EXPECT_GT(ModeArraysAllocated(), 3);
  ReleaseVideoDevices();
  EXPECT_EQ(0, LiveModeArrays());
  EXPECT_EQ(3u, GetVideoDeviceCount());
  // A second release has nothing left to free twice.
  EXPECT_EQ(nullptr, GetVideoDevices()[0].modes);
  ReleaseVideoDevices();
  EXPECT_EQ(0, LiveModeArrays());
}

}  // namespace
