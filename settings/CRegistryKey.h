// CRegistryKey: a registry key, open from a successful opening to destruction.
#pragma once

#include <windows.h>

#include <string.h>

class CRegistryKey {
 public:
  CRegistryKey() : m_key(nullptr) {}
  ~CRegistryKey();

  // Each opening first closes a key this object still holds, returns the platform's result
  // (ERROR_FILE_NOT_FOUND when the key is missing) and on failure holds no key.
  // Creates the key under HKEY_LOCAL_MACHINE, or opens it when it exists, with full access.
  // Both name keys in the game client's (32-bit) registry view, whatever this build's bitness.
  LONG Create(const char* path);
  // Opens the existing key under HKEY_LOCAL_MACHINE to read values.
  LONG OpenForQuery(const char* path);
  LONG Open(HKEY root, const char* path, REGSAM access);
  void Close();
  // Reads the value's bytes over the start of `value`, whatever its type. On failure (no key,
  // no such value, or one larger than `value`) the variable is not changed.
  template <typename Value>
  bool Query(const char* name, Value& value) {
    Value read;
    memcpy(&read, &value, sizeof(Value));
    if (!QueryBytes(name, &read, sizeof(Value)))
      return false;
    memcpy(&value, &read, sizeof(Value));
    return true;
  }
  bool Set(const char* name, DWORD type, const void* data, DWORD size);

 private:
  CRegistryKey(const CRegistryKey&) = delete;
  CRegistryKey& operator=(const CRegistryKey&) = delete;

  // A failed query leaves the buffer's contents undefined.
  bool QueryBytes(const char* name, void* buffer, DWORD size);

  HKEY m_key;
};
