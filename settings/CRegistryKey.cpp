// CRegistryKey: the registry calls of the program's keys, each handle closed once.
#include "settings/CRegistryKey.h"

CRegistryKey::~CRegistryKey() { Close(); }

void CRegistryKey::Close() {
  if (m_key)
    RegCloseKey(m_key);
  m_key = nullptr;
}

// The game client is a 32-bit program: its keys under HKEY_LOCAL_MACHINE are in the 32-bit
// view (below WOW6432Node on 64-bit Windows), which a 64-bit build must name. A 32-bit
// process on 32-bit Windows ignores the flag.
const REGSAM kClientView = KEY_WOW64_32KEY;

LONG CRegistryKey::Create(const char* path) {
  Close();
  // The platform does not promise what a failed call leaves in its out parameter.
  HKEY key = nullptr;
  const LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      KEY_ALL_ACCESS | kClientView, nullptr, &key, nullptr);
  if (result == ERROR_SUCCESS)
    m_key = key;
  return result;
}

LONG CRegistryKey::OpenForQuery(const char* path) {
  return Open(HKEY_LOCAL_MACHINE, path, KEY_QUERY_VALUE | kClientView);
}

LONG CRegistryKey::Open(HKEY root, const char* path, REGSAM access) {
  Close();
  HKEY key = nullptr;
  const LONG result = RegOpenKeyExA(root, path, 0, access, &key);
  if (result == ERROR_SUCCESS)
    m_key = key;
  return result;
}

bool CRegistryKey::QueryBytes(const char* name, void* buffer, DWORD size) {
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
