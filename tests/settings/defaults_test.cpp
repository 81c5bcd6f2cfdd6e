// The defaults: constants, the client's default option file, the first hardware device.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "display/CFakeDirectDraw.h"
#include "display/VideoDevices.h"
#include "script/CScriptHost.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

const DWORD kAllDepths = DDBD_16 | DDBD_24 | DDBD_32;
const GUID kCardGuid = TaggedGuid(0xC1);

// A record on the given Windows version over the scripted drivers, in a folder of its own.
class Defaults : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    m_folder = std::string("defaults-") + info->name();
    CreateDirectoryA(m_folder.c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(m_folder.c_str()));
    ASSERT_TRUE(CRegistry::CreateInstance());
    InitNameTable();
    SetClientDefaults(&g_scriptHost);
    r = CRegistry::GetInstance();
  }
  void TearDown() override {
    CRegistry::DestroyInstance();
    ReleaseVideoDevices();
    DeleteFileA("System\\LuaFiles514\\OptionInfo.lua");
    RemoveDirectoryA("System\\LuaFiles514");
    RemoveDirectoryA("System");
    SetCurrentDirectoryA("..");
    RemoveDirectoryA(m_folder.c_str());
  }

  void Enumerate(const std::vector<FakeDriver>& drivers) {
    CFakeDirectDraw::Install(drivers);
    EnumerateVideoDevices(AcceptAllDevices);
  }
  void SetVersion(DWORD major, DWORD minor) {
    r->m_osVersion.dwMajorVersion = major;
    r->m_osVersion.dwMinorVersion = minor;
  }
  void WriteClientDefaults(const std::string& chunk) {
    CreateDirectoryA("System", nullptr);
    CreateDirectoryA("System\\LuaFiles514", nullptr);
    FILE* f = fopen("System\\LuaFiles514\\OptionInfo.lua", "wb");
    ASSERT_NE(nullptr, f);
    fwrite(chunk.data(), 1, chunk.size(), f);
    fclose(f);
  }
  // Marks every field a reset writes, so that an untouched one shows.
  void Scribble() {
    r->m_dwOSMajor = r->m_dwOSMinor = 77;
    r->m_nFullScreen = r->m_nWidth = r->m_nHeight = r->m_nBitPerPixel = 77;
    r->m_nSpriteMode = r->m_nTextureMode = 77;
    r->m_nSoundMode = r->m_nSpeakerType = r->m_nDigitalRateType = r->m_nDigitalBitsType = 77;
    r->m_pszProviderName = "scribbled";
    r->m_nBgmVolume = r->m_nEffectVolume = r->m_bBgmOn = r->m_bSoundOn = 77;
    r->m_nMouseExclusive = 77;
    for (int& on : r->m_aCmdOnOff) on = 77;
    r->m_nDeviceIndex = 77;
    r->m_nModeIndex = 77;
    strcpy(r->m_szDeviceName, "earlier device");
    r->m_guidDevice = TaggedGuid(0x77);
    r->m_guidDriver = TaggedGuid(0x78);
  }

  CRegistry* r = nullptr;
  std::string m_folder;
};

FakeDriver Primary(std::vector<FakeMode> modes, std::vector<FakeDevice> devices) {
  return Driver(nullptr, "Primary Display Driver", std::move(modes), std::move(devices));
}

TEST_F(Defaults, ConstantsAndTheVersionAreSetAndTheKeptLinesStay) {
  SetVersion(6, 2);
  r->m_otherLines = {"-- kept", "Other = 1"};
  Scribble();
  r->ResetToDefaults();
  EXPECT_EQ(6u, r->m_dwOSMajor);
  EXPECT_EQ(2u, r->m_dwOSMinor);
  EXPECT_EQ(0, r->m_nFullScreen);
  EXPECT_EQ(0, r->m_nWidth);
  EXPECT_EQ(0, r->m_nHeight);
  // 16 although the default depth on 6.2 is 32.
  EXPECT_EQ(16, r->m_nBitPerPixel);
  EXPECT_EQ(2, r->m_nSpriteMode);
  EXPECT_EQ(2, r->m_nTextureMode);
  EXPECT_EQ(1, r->m_nSoundMode);
  EXPECT_EQ(0, r->m_nSpeakerType);
  EXPECT_EQ(0, r->m_nDigitalRateType);
  EXPECT_EQ(0, r->m_nDigitalBitsType);
  EXPECT_STREQ("No Provider", r->m_pszProviderName);
  EXPECT_EQ((std::vector<std::string>{"-- kept", "Other = 1"}), r->m_otherLines);
}

TEST_F(Defaults, WithoutTheClientOptionFileEveryClientValueIsZero) {
  Scribble();
  r->ResetToDefaults();
  EXPECT_EQ(0, r->m_nBgmVolume);
  EXPECT_EQ(0, r->m_nEffectVolume);
  EXPECT_EQ(0, r->m_bBgmOn);
  EXPECT_EQ(0, r->m_bSoundOn);
  EXPECT_EQ(0, r->m_nMouseExclusive);
  for (int i = 0; i < kCmdSwitchCount; ++i) EXPECT_EQ(0, r->m_aCmdOnOff[i]) << i;
}

TEST_F(Defaults, ClientValuesLandInTheirOwnFields) {
  std::string chunk =
      "OptionInfoList = { Bgm_Volume = 101, Effect_Volume = 102, MouseExclusive = 1,\n"
      "  WIDTH = 1600 }\n"
      "CmdOnOffList = { [\"/bgm\"] = 1, [\"/sound\"] = 0 }\n";
  // Each switch gets a value of its own: 200 + its position.
  for (int i = 0; i < kCmdSwitchCount; ++i)
    chunk += std::string("CmdOnOffList[\"") + GetName(kNameFirstSwitch + i) +
             "\"] = " + std::to_string(200 + i) + "\n";
  WriteClientDefaults(chunk);
  Scribble();
  r->ResetToDefaults();
  EXPECT_EQ(101, r->m_nBgmVolume);
  EXPECT_EQ(102, r->m_nEffectVolume);
  EXPECT_EQ(1, r->m_nMouseExclusive);
  EXPECT_EQ(1, r->m_bBgmOn);
  EXPECT_EQ(0, r->m_bSoundOn);
  for (int i = 0; i < kCmdSwitchCount; ++i) EXPECT_EQ(200 + i, r->m_aCmdOnOff[i]) << i;
  // The client's other values are not defaults of this program.
  EXPECT_EQ(0, r->m_nWidth);
}

TEST_F(Defaults, TheFirstHardwareDeviceIsChosenPastASoftwareOne) {
  Enumerate({Primary({Mode(640, 480, 16)}, {Device("RGB Emulation", false, kAllDepths, 1),
                                            Device("Direct3D HAL", true, kAllDepths, 2),
                                            Device("Second HAL", true, kAllDepths, 3)})});
  ASSERT_EQ(3u, GetVideoDeviceCount());
  SetVersion(6, 1);
  Scribble();
  r->ResetToDefaults();
  EXPECT_STREQ("Direct3D HAL", r->m_szDeviceName);
  // The name is NUL-padded: the registry carries the whole field.
  for (size_t i = strlen("Direct3D HAL"); i < sizeof(r->m_szDeviceName); ++i)
    EXPECT_EQ('\0', r->m_szDeviceName[i]) << i;
  EXPECT_TRUE(IsEqualGUID(TaggedGuid(2), r->m_guidDevice));
  EXPECT_TRUE(IsEqualGUID(GUID(), r->m_guidDriver));
  EXPECT_EQ(0, r->m_nDeviceIndex);
  EXPECT_EQ(0, r->m_nModeIndex);
}

TEST_F(Defaults, ASecondaryCardGivesItsDriverGuidAndName) {
  Enumerate({Primary({Mode(640, 480, 16)}, {Device("RGB Emulation", false, kAllDepths, 1)}),
             Driver(&kCardGuid, "Radeon Something 9000 Pro With A Very Long Name",
                    {Mode(640, 480, 16)}, {Device("HAL", true, kAllDepths, 5)})});
  SetVersion(5, 1);
  r->ResetToDefaults();
  EXPECT_STREQ("Radeon Something 9000 Pro With A Very ", r->m_szDeviceName);
  EXPECT_TRUE(IsEqualGUID(TaggedGuid(5), r->m_guidDevice));
  EXPECT_TRUE(IsEqualGUID(kCardGuid, r->m_guidDriver));
}

TEST_F(Defaults, WithoutAHardwareDeviceTheDeviceFieldsStay) {
  Enumerate({Primary({Mode(640, 480, 16)}, {Device("RGB Emulation", false, kAllDepths, 1)})});
  ASSERT_EQ(1u, GetVideoDeviceCount());
  Scribble();
  r->ResetToDefaults();
  EXPECT_STREQ("earlier device", r->m_szDeviceName);
  EXPECT_TRUE(IsEqualGUID(TaggedGuid(0x77), r->m_guidDevice));
  EXPECT_TRUE(IsEqualGUID(TaggedGuid(0x78), r->m_guidDriver));
  EXPECT_EQ(77, r->m_nDeviceIndex);
  EXPECT_EQ(77, r->m_nModeIndex);
  // The rest is reset all the same.
  EXPECT_EQ(1, r->m_nSoundMode);
}

TEST_F(Defaults, TheDefaultDepthIs32OnlyOnVersion62) {
  const std::vector<FakeMode> modes = {Mode(640, 480, 16), Mode(800, 600, 16), Mode(800, 600, 32),
                                       Mode(1024, 768, 32)};
  Enumerate({Primary(modes, {Device("HAL", true, kAllDepths, 1)})});
  // 6.2 without a 32-bit 640 x 480: the earlier position stays.
  SetVersion(6, 2);
  r->m_nModeIndex = 9;
  r->ResetToDefaults();
  EXPECT_EQ(9, r->m_nModeIndex);
  EXPECT_STREQ("HAL", r->m_szDeviceName);
  // Every other version takes the 16-bit one; 6.3 and 10.0 are not 6.2.
  for (DWORD version : {0x0000u, 0x0501u, 0x0601u, 0x0603u, 0x0A00u, 0x0702u}) {
    SetVersion(version >> 8, version & 0xFF);
    r->m_nModeIndex = 9;
    r->ResetToDefaults();
    EXPECT_EQ(0, r->m_nModeIndex) << std::hex << version;
  }
}

TEST_F(Defaults, TheModePositionCountsOnlyListedModesAtTheDefaultDepth) {
  // Sorted at 16 bits: 320x240, 512x600, 640x400, 640x480, 800x600; 32-bit ones between.
  const std::vector<FakeMode> modes = {Mode(800, 600, 16), Mode(640, 480, 16), Mode(640, 400, 16),
                                       Mode(320, 240, 16), Mode(512, 600, 16), Mode(512, 600, 32),
                                       Mode(320, 240, 32), Mode(640, 480, 32), Mode(640, 480, 24)};
  Enumerate({Primary(modes, {Device("HAL", true, kAllDepths, 1)})});
  SetVersion(6, 1);
  r->ResetToDefaults();
  // 320x240 and 640x400 are lower than 480 and not counted; 512x600 is.
  EXPECT_EQ(1, r->m_nModeIndex);
  SetVersion(6, 2);
  r->ResetToDefaults();
  EXPECT_EQ(1, r->m_nModeIndex);
}

TEST_F(Defaults, LowModesBefore640x480LeavePositionZero) {
  Enumerate(
      {Primary({Mode(320, 240, 16), Mode(640, 400, 16), Mode(640, 480, 16), Mode(800, 600, 16)},
               {Device("HAL", true, kAllDepths, 1)})});
  SetVersion(6, 1);
  r->m_nModeIndex = 5;
  r->ResetToDefaults();
  EXPECT_EQ(0, r->m_nModeIndex);
}

}  // namespace
