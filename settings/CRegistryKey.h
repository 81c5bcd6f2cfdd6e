// CRegistryKey: a registry key, open from a successful opening to destruction.
#pragma once

#include <windows.h>

class CRegistryKey {
 public:
  CRegistryKey() : m_key(nullptr) {}
  ~CRegistryKey();

  // Each opening first closes a key this object still holds; on failure it holds none.
  // Creates the key under HKEY_LOCAL_MACHINE, or opens it when it exists, with full access.
  // Both name keys in the game client's (32-bit) registry view, whatever this build's bitness.
  bool Create(const char* path);
  // Opens the existing key under HKEY_LOCAL_MACHINE to read values.
  bool OpenForQuery(const char* path);
  // Opens an existing key; the platform's result (ERROR_FILE_NOT_FOUND when it is missing).
  LONG Open(HKEY root, const char* path, REGSAM access);
  void Close();
  // Fills the buffer with the value's bytes; the value's type is not looked at. On failure
  // (missing, or larger than the buffer) the buffer's contents are undefined.
  bool Query(const char* name, void* buffer, DWORD size);
  bool Set(const char* name, DWORD type, const void* data, DWORD size);

 private:
  CRegistryKey(const CRegistryKey&) = delete;
  CRegistryKey& operator=(const CRegistryKey&) = delete;

  HKEY m_key;
};
