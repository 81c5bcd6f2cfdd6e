// The registry as the game client sees it: the game and setup keys under HKLM, and Wine's
// per-program Windows version.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

extern const char kGameKey[];   // "Software\Helvane\Tessaril"
extern const char kSetupKey[];  // "Software\Helvane\OrvelSetup"

struct RegValue {
  bool found = false;
  DWORD type = REG_NONE;
  std::string bytes;  // the data as the 8-bit interface returns it
};

bool KeyExists(const char* path);
// Number of values under the key; -1 when the key is missing.
int ValueCount(const char* path);
RegValue ReadValue(const char* path, const char* name);
// A REG_DWORD's value; `fallback` when missing or of another type.
DWORD ReadDword(const char* path, const char* name, DWORD fallback = 0xFFFFFFFFu);
void WriteDword(const char* path, const char* name, DWORD value);

// Removes both keys of the program (and their values); missing keys are no error.
void DeleteGameKeys();
// Wine's AppDefaults "Version" for TessarilSetup.exe ("win7", "win8"); null removes it.
void SetWineVersion(const wchar_t* version);
// The logical DPI (LogPixels, both keys Wine reads) of programs started from now on.
void SetLogPixels(DWORD dpi);

}  // namespace e2e
