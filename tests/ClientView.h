// The registry view of the game client's keys, for test programs of either bitness.
#pragma once

#include <windows.h>

// The client is a 32-bit program: its keys under HKEY_LOCAL_MACHINE lie in the 32-bit view
// (below WOW6432Node on 64-bit Windows), which a 64-bit test program must name and a 32-bit
// one on 32-bit Windows ignores.
const REGSAM kClientView = KEY_WOW64_32KEY;

// Removes a key of the client's view under HKEY_LOCAL_MACHINE with everything below it; a
// missing key is no error.
inline void DeleteClientKey(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS | kClientView, &key) ==
      ERROR_SUCCESS) {
    RegDeleteTreeA(key, nullptr);
    RegCloseKey(key);
  }
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path, kClientView, 0);
}
