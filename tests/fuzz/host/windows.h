// For the native fuzzing build only: the few Windows names that the settings record and the
// script host's header use, declared here just far enough for them to compile. The script
// layer's platform calls themselves are in ScriptPlatformHost.cpp.
#pragma once

#include <stddef.h>
#include <stdint.h>
#include <string.h>

typedef uint32_t DWORD;
typedef int BOOL;
typedef unsigned int UINT;

struct GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
};

struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  char szCSDVersion[128];
};

inline void ZeroMemory(void* block, size_t size) { memset(block, 0, size); }
// No Windows version to report: the record keeps 0.0.
inline BOOL GetVersionExA(OSVERSIONINFOA*) { return 0; }
