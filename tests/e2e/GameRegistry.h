// The registry as the game client sees it: the game and setup keys under HKLM, the client's
// virtualized copy of the game key, and Wine's per-program Windows version.
#pragma once

#include <windows.h>

#include "ClientView.h"

#include <string>

namespace e2e {

extern const char kGameKey[];   // "Software\Helvane\Tessaril"
extern const char kSetupKey[];  // "Software\Helvane\OrvelSetup"
// The eight values of the game key, in the order the program writes them.
extern const char* const kGameValues[8];

struct RegValue {
  bool found = false;
  DWORD type = REG_NONE;
  std::string bytes;  // the data as the 8-bit interface returns it
};

// `view` kClientView is the game client's view (the 32-bit one); KEY_WOW64_64KEY reads as a
// 64-bit program does.
bool KeyExists(const char* path, HKEY root = HKEY_LOCAL_MACHINE, REGSAM view = kClientView);
// Number of values under the key; -1 when the key is missing.
int ValueCount(const char* path);
RegValue ReadValue(const char* path, const char* name, HKEY root = HKEY_LOCAL_MACHINE,
                   REGSAM view = kClientView);
// A REG_DWORD's value; `fallback` when missing or of another type.
DWORD ReadDword(const char* path, const char* name, DWORD fallback = 0xFFFFFFFFu,
                HKEY root = HKEY_LOCAL_MACHINE, REGSAM view = kClientView);
void WriteDword(const char* path, const char* name, DWORD value, HKEY root = HKEY_LOCAL_MACHINE,
                REGSAM view = kClientView);

// True on 64-bit Windows, for a test program of either bitness.
bool RunningOn64BitWindows();
// Where Windows keeps the game key that a 32-bit client without a manifest wrote while its
// writes were virtualized: under HKEY_CURRENT_USER, the key's real path on this Windows (on
// 64-bit Windows through WOW6432Node) below Software\Classes\VirtualStore\MACHINE. Name it
// with kVirtualizedView: Wine, unlike Windows, would redirect this process below a key that
// has a WOW6432Node child.
std::string VirtualizedGameKey();
const REGSAM kVirtualizedView = KEY_WOW64_64KEY;

// Removes both keys of the program and the client's virtualized copy; missing keys are no
// error.
void DeleteGameKeys();
// Wine's AppDefaults "Version" for TessarilSetup.exe ("win7", "win8"); null removes it.
void SetWineVersion(const wchar_t* version);
// The version each session tells the program unless a test sets its own: TESSARIL_E2E_WINVER
// ("win10", ...), or null (the prefix's own) when that is unset.
const wchar_t* SessionWindowsVersion();
// The colour depth of the modes the System page lists under that version: 32 bits where the
// program is told 6.2 (Windows 8 and later, to a program without a supported-OS list), else 16.
int ListedModeDepth();
// The logical DPI (LogPixels, both keys Wine reads) of programs started from now on.
void SetLogPixels(DWORD dpi);

}  // namespace e2e
