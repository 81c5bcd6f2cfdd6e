// Loading and saving the game client's registry values (device identity and sound).
#include "settings/RegistryStore.h"

#include <windows.h>

#include <string.h>

#include "settings/CRegistry.h"
#include "settings/CRegistryKey.h"

const char kGameKeyPath[] = "Software\\Helvane\\Tessaril";
const char kSetupKeyPath[] = "Software\\Helvane\\OrvelSetup";
const char kVirtualGameKeyPath[] =
    "Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\Helvane\\Tessaril";
const char kVirtualWow64GameKeyPath[] =
    "Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\WOW6432Node\\Helvane\\Tessaril";

namespace {

static_assert(sizeof(CRegistry::m_szDeviceName) == kDeviceNameValueSize,
              "DEVICENAME carries the whole name field");

// The copy lies at the path the key really has, which names the 32-bit view's node on 64-bit
// Windows; the 64-bit view reads that path as written on any Windows.
const REGSAM kVirtualCopyView = KEY_WOW64_64KEY;

// A name that does not fit, or fills the field without its NUL, keeps the default. It is read
// into zeros, so that a short name is followed by NULs, never by the old name's tail.
void QueryDeviceName(CRegistryKey& key, char (&field)[kDeviceNameValueSize]) {
  char name[kDeviceNameValueSize] = {};
  if (key.Query("DEVICENAME", name) && memchr(name, '\0', sizeof(name)))
    memcpy(field, name, sizeof(name));
}

void QueryDeviceGroup(CRegistryKey& key, CRegistry& r) {
  QueryDeviceName(key, r.m_szDeviceName);
  key.Query("GUIDDEVICE", r.m_guidDevice);
  key.Query("GUIDDRIVER", r.m_guidDriver);
}

bool SetDword(CRegistryKey& key, const char* name, int value) {
  const DWORD data = static_cast<DWORD>(value);
  return key.Set(name, REG_DWORD, &data, sizeof(data));
}

bool SetDeviceGroup(CRegistryKey& key, const CRegistry& r) {
  bool written = key.Set("DEVICENAME", REG_SZ, r.m_szDeviceName, sizeof(r.m_szDeviceName));
  written &= key.Set("GUIDDEVICE", REG_BINARY, &r.m_guidDevice, sizeof(r.m_guidDevice));
  written &= key.Set("GUIDDRIVER", REG_BINARY, &r.m_guidDriver, sizeof(r.m_guidDriver));
  return written;
}

bool SetSoundGroup(CRegistryKey& key, const CRegistry& r) {
  bool written = SetDword(key, "SOUNDMODE", r.m_nSoundMode);
  written &= SetDword(key, "SPEAKERTYPE", r.m_nSpeakerType);
  written &= SetDword(key, "DIGITALRATETYPE", r.m_nDigitalRateType);
  written &= SetDword(key, "DIGITALBITSTYPE", r.m_nDigitalBitsType);
  // The client reads 16 bytes: pad the name rather than read past its end.
  char provider[kProviderNameValueSize] = {};
  if (r.m_pszProviderName)
    strncpy(provider, r.m_pszProviderName, sizeof(provider) - 1);
  written &= key.Set("PROVIDERNAME", REG_SZ, provider, sizeof(provider));
  return written;
}

// The real key, each group through its own opening; both groups are always tried.
bool SaveGameKey(const CRegistry& r) {
  CRegistryKey key;
  const bool devices = key.Create(kGameKeyPath) == ERROR_SUCCESS && SetDeviceGroup(key, r);
  const bool sound = key.Create(kGameKeyPath) == ERROR_SUCCESS && SetSoundGroup(key, r);
  return devices && sound;
}

// The client's virtualized copy, when there is one: false only when it exists and could not
// take all eight values.
bool SaveVirtualCopy(const CRegistry& r) {
  CRegistryKey copy;
  const LONG opened = copy.Open(HKEY_CURRENT_USER, VirtualGameKeyPath(),
                                KEY_QUERY_VALUE | KEY_SET_VALUE | kVirtualCopyView);
  if (opened == ERROR_FILE_NOT_FOUND)
    return true;
  if (opened != ERROR_SUCCESS)
    return false;
  const bool devices = SetDeviceGroup(copy, r);
  const bool sound = SetSoundGroup(copy, r);
  return devices && sound;
}

}  // namespace

const char* VirtualGameKeyPath() {
  // The copy follows the 32-bit client's view: below WOW6432Node wherever Windows is 64-bit,
  // which a 64-bit build always runs on, and a 32-bit one finds through WOW64.
#ifdef _WIN64
  return kVirtualWow64GameKeyPath;
#else
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64 ? kVirtualWow64GameKeyPath
                                                              : kVirtualGameKeyPath;
#endif
}

void LoadRegistry() {
  CRegistry* r = CRegistry::GetInstance();
  r->ResetToDefaults();
  {
    // The program keeps nothing under the setup key; it only has to exist.
    CRegistryKey setup;
    setup.Create(kSetupKeyPath);
  }
  // The game key is opened three times: once to test for it, then once per value group as
  // the save writes them, so that an opening that fails leaves only its own group at the
  // defaults.
  bool exists;
  {
    CRegistryKey game;
    exists = game.OpenForQuery(kGameKeyPath) == ERROR_SUCCESS;
  }
  if (!exists) {
    // First run: the client finds the defaults even if the player cancels. A virtualized copy
    // keeps the values the client wrote there; they are read below.
    SaveGameKey(*r);
  } else {
    {
      CRegistryKey game;
      if (game.OpenForQuery(kGameKeyPath) == ERROR_SUCCESS)
        QueryDeviceGroup(game, *r);
    }
    CRegistryKey game;
    if (game.OpenForQuery(kGameKeyPath) == ERROR_SUCCESS)
      game.Query("SOUNDMODE", r->m_nSoundMode);
  }
  // A virtualized client sees each value of its copy in place of the real key's: start from
  // what the client uses, so that OK does not bring back values it no longer reads.
  CRegistryKey copy;
  if (copy.Open(HKEY_CURRENT_USER, VirtualGameKeyPath(), KEY_QUERY_VALUE | kVirtualCopyView) ==
      ERROR_SUCCESS) {
    QueryDeviceGroup(copy, *r);
    copy.Query("SOUNDMODE", r->m_nSoundMode);
  }
}

RegistrySave SaveRegistry() {
  const CRegistry& r = *CRegistry::GetInstance();
  const bool real = SaveGameKey(r);
  return RegistrySave{real, SaveVirtualCopy(r)};
}
