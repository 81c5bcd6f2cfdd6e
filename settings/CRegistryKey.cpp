// CRegistryKey: the registry calls of the program's two keys, each handle closed once.
#include "settings/CRegistryKey.h"

CRegistryKey::~CRegistryKey() {
  if (m_key)
    RegCloseKey(m_key);
}

bool CRegistryKey::Create(const char* path) {
  return RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                         KEY_ALL_ACCESS, nullptr, &m_key, nullptr) == ERROR_SUCCESS;
}

bool CRegistryKey::OpenForQuery(const char* path) {
  return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &m_key) == ERROR_SUCCESS;
}

bool CRegistryKey::Query(const char* name, void* buffer, DWORD size) {
  if (!m_key)
    return false;
  DWORD type = 0;
  return RegQueryValueExA(m_key, name, nullptr, &type, static_cast<BYTE*>(buffer), &size) ==
         ERROR_SUCCESS;
}

bool CRegistryKey::Set(const char* name, DWORD type, const void* data, DWORD size) {
  if (!m_key)
    return false;
  return RegSetValueExA(m_key, name, 0, type, static_cast<const BYTE*>(data), size) ==
         ERROR_SUCCESS;
}
