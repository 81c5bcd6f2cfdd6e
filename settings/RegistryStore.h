// The eight values under HKEY_LOCAL_MACHINE\Software\Helvane\Tessaril, and under the game
// client's virtualized copy of that key where one exists.
#pragma once

// Resets the record to its defaults, then reads the device identity and sound mode, or writes
// the defaults when the game key is missing (first run). A virtualized copy's values are read
// over the real key's, as the client sees them.
void LoadRegistry();
// Which keys a save wrote all eight values to.
struct RegistrySave {
  bool gameKey;
  bool virtualCopy;  // also true when the client has no copy
  bool Complete() const { return gameKey && virtualCopy; }
};
// Writes the eight values to the game key and to its virtualized copy if there is one.
RegistrySave SaveRegistry();

extern const char kGameKeyPath[];   // "Software\Helvane\Tessaril"
extern const char kSetupKeyPath[];  // "Software\Helvane\OrvelSetup"

// Under HKEY_CURRENT_USER, where Windows keeps the game key that a client without a manifest
// wrote while its writes under HKEY_LOCAL_MACHINE were virtualized: the key's real path below
// the user's VirtualStore, through WOW6432Node for the 32-bit client on 64-bit Windows.
const char* VirtualGameKeyPath();

// Byte sizes of the two text values as the game client reads them.
const unsigned long kDeviceNameValueSize = 40;
const unsigned long kProviderNameValueSize = 16;
