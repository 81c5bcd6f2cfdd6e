// The default settings: constants, the client's default options, the first hardware device.
#include <string.h>

#include "display/ModeRules.h"
#include "display/VideoDevices.h"
#include "settings/CRegistry.h"
#include "settings/ClientDefaults.h"
#include "settings/NameTable.h"

namespace {

const char kNoProvider[] = "No Provider";
ClientDefaults* g_clientDefaults = nullptr;

int DefaultOption(int entry) {
  return g_clientDefaults ? g_clientDefaults->GetDefaultOption(GetName(entry)) : 0;
}

int DefaultCommand(int entry) {
  return g_clientDefaults ? g_clientDefaults->GetDefaultCommand(GetName(entry)) : 0;
}

}  // namespace

void SetClientDefaults(ClientDefaults* source) { g_clientDefaults = source; }

void CRegistry::ResetToDefaults() {
  m_dwOSMajor = m_osVersion.dwMajorVersion;
  m_dwOSMinor = m_osVersion.dwMinorVersion;
  m_nFullScreen = 0;
  m_nWidth = 0;
  m_nHeight = 0;
  // 16 even where the default depth is 32: the System page picks the depth from the list.
  m_nBitPerPixel = 16;
  m_nSpriteMode = 2;
  m_nTextureMode = 2;
  m_nSoundMode = 1;
  m_nSpeakerType = 0;
  m_nDigitalRateType = 0;
  m_nDigitalBitsType = 0;
  m_pszProviderName = kNoProvider;

  // "Bgm_Volume", "Effect_Volume", "/bgm", "/sound", "MouseExclusive", then the switches.
  m_nBgmVolume = DefaultOption(0);
  m_nEffectVolume = DefaultOption(1);
  m_bBgmOn = DefaultCommand(kNameFirstCommandKey);
  m_bSoundOn = DefaultCommand(kNameFirstCommandKey + 1);
  m_nMouseExclusive = DefaultOption(2);
  for (int i = 0; i < kCmdSwitchCount; ++i) m_aCmdOnOff[i] = DefaultCommand(kNameFirstSwitch + i);

  // The first hardware device, whatever follows it: it is the first entry of the System
  // page's device box, so device index 0 names the device whose identity is stored here.
  // Without a hardware device the device fields keep what they held.
  const VideoDeviceEntry* device = FindHardwareDevice(0);
  if (!device)
    return;
  TakeDeviceIdentity(*device);
  m_nDeviceIndex = 0;
  const int position = DefaultModePosition(*device, ModeDepthForVersion(m_dwOSMajor, m_dwOSMinor));
  if (position >= 0)
    m_nModeIndex = position;
}

void CRegistry::TakeDeviceIdentity(const VideoDeviceEntry& device) {
  memset(m_szDeviceName, 0, sizeof(m_szDeviceName));
  memcpy(m_szDeviceName, device.description,
         strnlen(device.description, sizeof(m_szDeviceName) - 1));
  m_guidDevice = device.deviceGuid;
  m_guidDriver = device.driverGuid;
}
