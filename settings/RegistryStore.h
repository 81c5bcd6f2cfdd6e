// The eight values under HKEY_LOCAL_MACHINE\Software\Helvane\Tessaril.
#pragma once

// Resets the record to its defaults, then reads the device identity and sound mode,
// or writes the defaults when the game key is missing (first run).
void LoadRegistry();
// Writes the eight values; false when a group could not be written.
bool SaveRegistry();

extern const char kGameKeyPath[];   // "Software\Helvane\Tessaril"
extern const char kSetupKeyPath[];  // "Software\Helvane\OrvelSetup"

// Byte sizes of the two text values as the game client reads them.
const unsigned long kDeviceNameValueSize = 40;
const unsigned long kProviderNameValueSize = 16;
