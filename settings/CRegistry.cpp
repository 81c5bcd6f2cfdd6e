// The settings record's construction and its single instance.
#include "settings/CRegistry.h"

#include <new>

CRegistry* CRegistry::s_pInstance = nullptr;

CRegistry::CRegistry() {
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
