// The settings record's construction and its single instance.
#include "settings/CRegistry.h"

#include <new>

CRegistry* CRegistry::s_pInstance = nullptr;

CRegistry::CRegistry()
    : m_bCreated(false),
      m_dwOSMajor(0),
      m_dwOSMinor(0),
      m_nFullScreen(0),
      m_nWidth(0),
      m_nHeight(0),
      m_nBitPerPixel(16),
      m_nDeviceIndex(0),
      m_nModeIndex(0),
      m_nSpriteMode(2),
      m_nTextureMode(2),
      m_guidDevice(),
      m_guidDriver(),
      m_szDeviceName(),
      m_nSoundMode(1),
      m_nSpeakerType(0),
      m_nDigitalRateType(0),
      m_nDigitalBitsType(0),
      m_pszProviderName("No Provider"),
      m_nBgmVolume(0),
      m_nEffectVolume(0),
      m_bBgmOn(0),
      m_bSoundOn(0),
      m_nMouseExclusive(0),
      m_aCmdOnOff() {
  ZeroMemory(&m_osVersion, sizeof(m_osVersion));
  m_osVersion.dwOSVersionInfoSize = sizeof(m_osVersion);
  // A failure leaves the version at 0.0, which selects the 16-bit default depth.
  GetVersionExA(&m_osVersion);
  m_bCreated = true;
}

CRegistry::~CRegistry() {}

bool CRegistry::CreateInstance() {
  if (s_pInstance)
    return false;
  CRegistry* record = new (std::nothrow) CRegistry;
  if (!record)
    return false;
  if (!record->m_bCreated) {
    delete record;
    return false;
  }
  s_pInstance = record;
  return true;
}

void CRegistry::DestroyInstance() {
  delete s_pInstance;
  s_pInstance = nullptr;
}

CRegistry* CRegistry::GetInstance() { return s_pInstance; }
