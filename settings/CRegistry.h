// The settings record: every setting of the program, in one process-wide instance.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/NameTable.h"

struct VideoDeviceEntry;

class CRegistry {
 public:
  virtual ~CRegistry();

  // True when the instance now exists and this call made it.
  static bool CreateInstance();
  static void DestroyInstance();
  // The instance, or null before CreateInstance and after DestroyInstance.
  static CRegistry* GetInstance();

  // Gives every setting its default (constants, client defaults, first hardware device).
  void ResetToDefaults();
  // Takes the device's name, device GUID and driver GUID as the graphics device to save.
  void TakeDeviceIdentity(const VideoDeviceEntry& device);

  // Zero until ResetToDefaults gives the settings their values; the fields it may leave
  // alone (device identity and indexes) keep these.
  bool m_bCreated{};
  OSVERSIONINFOA m_osVersion{};
  DWORD m_dwOSMajor{};
  DWORD m_dwOSMinor{};
  int m_nFullScreen{};
  int m_nWidth{};
  int m_nHeight{};
  int m_nBitPerPixel{};
  int m_nDeviceIndex{};
  int m_nModeIndex{};
  int m_nSpriteMode{};
  int m_nTextureMode{};
  GUID m_guidDevice{};
  GUID m_guidDriver{};
  char m_szDeviceName[40]{};
  int m_nSoundMode{};
  int m_nSpeakerType{};
  int m_nDigitalRateType{};
  int m_nDigitalBitsType{};
  const char* m_pszProviderName{};
  int m_nBgmVolume{};
  int m_nEffectVolume{};
  int m_bBgmOn{};
  int m_bSoundOn{};
  int m_nMouseExclusive{};
  int m_aCmdOnOff[kCmdSwitchCount]{};
  // Lines of the saved option file that the program does not own, in file order.
  std::vector<std::string> m_otherLines;

 private:
  CRegistry();
  CRegistry(const CRegistry&) = delete;
  CRegistry& operator=(const CRegistry&) = delete;

  static CRegistry* s_pInstance;
};
