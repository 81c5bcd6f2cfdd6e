// Loading and saving the game client's registry values (device identity and sound).
#include "settings/RegistryStore.h"

#include <windows.h>

#include <string.h>

#include "settings/CRegistry.h"
#include "settings/CRegistryKey.h"

const char kGameKeyPath[] = "Software\\Helvane\\Tessaril";
const char kSetupKeyPath[] = "Software\\Helvane\\OrvelSetup";

namespace {

static_assert(sizeof(CRegistry::m_szDeviceName) == kDeviceNameValueSize,
              "DEVICENAME carries the whole name field");

// A query fails outright when the value is larger than the buffer, and then leaves the
// buffer's contents undefined: read into a copy and take it only on success.
template <typename Field>
void QueryField(CRegistryKey& key, const char* name, Field& field) {
  Field value = field;
  if (key.Query(name, &value, sizeof(value)))
    field = value;
}

// A name that does not fit, or fills the field without its NUL, keeps the default.
void QueryDeviceName(CRegistryKey& key, char (&field)[kDeviceNameValueSize]) {
  char name[kDeviceNameValueSize] = {};
  if (key.Query("DEVICENAME", name, sizeof(name)) && memchr(name, '\0', sizeof(name)))
    memcpy(field, name, sizeof(name));
}

bool SetDword(CRegistryKey& key, const char* name, int value) {
  const DWORD data = static_cast<DWORD>(value);
  return key.Set(name, REG_DWORD, &data, sizeof(data));
}

bool SaveDeviceGroup(const CRegistry& r) {
  CRegistryKey key;
  if (!key.Create(kGameKeyPath))
    return false;
  bool written = key.Set("DEVICENAME", REG_SZ, r.m_szDeviceName, sizeof(r.m_szDeviceName));
  written &= key.Set("GUIDDEVICE", REG_BINARY, &r.m_guidDevice, sizeof(r.m_guidDevice));
  written &= key.Set("GUIDDRIVER", REG_BINARY, &r.m_guidDriver, sizeof(r.m_guidDriver));
  return written;
}

bool SaveSoundGroup(const CRegistry& r) {
  CRegistryKey key;
  if (!key.Create(kGameKeyPath))
    return false;
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

}  // namespace

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
    exists = game.OpenForQuery(kGameKeyPath);
  }
  if (!exists) {
    // First run: the client finds the defaults even if the player cancels.
    SaveRegistry();
    return;
  }
  {
    CRegistryKey game;
    if (game.OpenForQuery(kGameKeyPath)) {
      QueryDeviceName(game, r->m_szDeviceName);
      QueryField(game, "GUIDDEVICE", r->m_guidDevice);
      QueryField(game, "GUIDDRIVER", r->m_guidDriver);
    }
  }
  CRegistryKey game;
  if (game.OpenForQuery(kGameKeyPath))
    QueryField(game, "SOUNDMODE", r->m_nSoundMode);
}

bool SaveRegistry() {
  const CRegistry& r = *CRegistry::GetInstance();
  // Both groups are always tried: one failing does not keep the other from being written.
  const bool devices = SaveDeviceGroup(r);
  const bool sound = SaveSoundGroup(r);
  return devices && sound;
}
