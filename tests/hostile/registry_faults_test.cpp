// Registry values of the wrong type or size, under every one of the eight names: the load
// takes only what fits, keeps a terminated device name, and the next save repairs them all.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "GameFolder.h"
#include "Mutator.h"
#include "RegistrySnapshot.h"
#include "Tally.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"
#include "settings/RegistryStore.h"

namespace {

const char kGameKey[] = "Software\\Helvane\\Tessaril";
const char* const kNames[8] = {"DEVICENAME",  "GUIDDEVICE",      "GUIDDRIVER",      "SOUNDMODE",
                               "SPEAKERTYPE", "DIGITALRATETYPE", "DIGITALBITSTYPE", "PROVIDERNAME"};

std::string Bytes(Mutator& rng, size_t count) {
  std::string bytes;
  while (bytes.size() < count) bytes += static_cast<char>(rng.Between(1, 255));
  return bytes;
}

void SetValue(const char* name, DWORD type, const std::string& data) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0,
                                           KEY_ALL_ACCESS | kClientView, nullptr, &key, nullptr));
  RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                 static_cast<DWORD>(data.size()));
  RegCloseKey(key);
}

// What a previous, sound save left: every value right, none of them the defaults.
void WriteGoodValues() {
  SetValue("DEVICENAME", REG_SZ, std::string("Good Device") + std::string(29, '\0'));
  SetValue("GUIDDEVICE", REG_BINARY, "0123456789abcdef");
  SetValue("GUIDDRIVER", REG_BINARY, "fedcba9876543210");
  const DWORD zero = 0;
  SetValue("SOUNDMODE", REG_DWORD, std::string(reinterpret_cast<const char*>(&zero), 4));
  for (int i = 4; i < 7; ++i) SetValue(kNames[i], REG_DWORD, std::string(4, '\0'));
  SetValue("PROVIDERNAME", REG_SZ, std::string("No Provider") + std::string(5, '\0'));
  SetValue("ClientOnly", REG_SZ, std::string("the client's own value", 23));
}

// The field after a load: what fits in it is taken byte for byte over the default, and
// anything larger leaves the default; the device name must also end inside its field.
std::string Expected(const std::string& stored, const std::string& defaultBytes, bool isName) {
  if (stored.size() > defaultBytes.size())
    return defaultBytes;
  if (isName) {
    std::string name = stored + std::string(defaultBytes.size() - stored.size(), '\0');
    return name.find('\0') == std::string::npos ? defaultBytes : name;
  }
  return stored + defaultBytes.substr(stored.size());
}

std::string Raw(const void* field, size_t size) {
  return std::string(static_cast<const char*>(field), size);
}

TEST(RegistryFaults, WrongTypesAndSizesLoadSafelyAndSaveRepairsThem) {
  const uint64_t seed = Mutator::RunSeed();
  Mutator rng(seed ^ 0x5);
  GameFolder folder("registry");
  RegistrySnapshot snapshot;
  InitNameTable();
  ASSERT_TRUE(CRegistry::CreateInstance());
  CRegistry* r = CRegistry::GetInstance();
  r->ResetToDefaults();
  const std::string defaultName = Raw(r->m_szDeviceName, 40);
  const std::string defaultGuid = Raw(&r->m_guidDevice, 16);
  const std::string defaultDriver = Raw(&r->m_guidDriver, 16);
  const std::string defaultSound = Raw(&r->m_nSoundMode, 4);

  struct Bad {
    DWORD type;
    std::string data;
  };
  Tally tally("registry values");
  for (int n = 0; n < 8; ++n) {
    const std::string zeroTerminated40 = Bytes(rng, 10) + '\0' + Bytes(rng, 29);
    const std::vector<Bad> bads = {
        {REG_DWORD, "AAAA"},
        {REG_BINARY, ""},
        {REG_BINARY, "\x7f"},
        {REG_BINARY, Bytes(rng, 3)},
        {REG_BINARY, Bytes(rng, 15)},
        {REG_BINARY, Bytes(rng, 16)},
        {REG_BINARY, Bytes(rng, 17)},
        {REG_BINARY, Bytes(rng, 39)},
        {REG_BINARY, Bytes(rng, 40)},
        {REG_BINARY, zeroTerminated40},
        {REG_BINARY, Bytes(rng, 41)},
        {REG_BINARY, Bytes(rng, 4000)},
        {REG_SZ, std::string(1, '\0')},
        {REG_SZ, std::string(39, 'B') + '\0'},
        {REG_SZ, std::string(40, 'C')},
        {REG_SZ, std::string(300, 'D') + '\0'},
        {REG_MULTI_SZ, std::string("a\0b\0\0", 5)},
        {REG_EXPAND_SZ, std::string("%PATH%\0", 7)},
        {REG_QWORD, "12345678"},
        {REG_NONE, "xyz"},
    };
    for (const Bad& bad : bads) {
      SCOPED_TRACE(std::string(kNames[n]) + ", type " + std::to_string(bad.type) + ", " +
                   std::to_string(bad.data.size()) + " bytes");
      DeleteClientKey(kGameKey);
      WriteGoodValues();
      SetValue(kNames[n], bad.type, bad.data);
      ++tally.files;
      RegistrySnapshot::Value stored;
      ASSERT_TRUE(RegistrySnapshot::Get(kGameKey, kNames[n], stored));

      // With no display device the reset leaves the device fields alone: start from the
      // same defaults every time.
      memcpy(r->m_szDeviceName, defaultName.data(), 40);
      memcpy(&r->m_guidDevice, defaultGuid.data(), 16);
      memcpy(&r->m_guidDriver, defaultDriver.data(), 16);
      LoadRegistry();
      ++tally.lookups;
      const std::string goodName = std::string("Good Device") + std::string(29, '\0');
      const std::string name = Raw(r->m_szDeviceName, 40);
      ASSERT_NE(std::string::npos, name.find('\0'));  // always a terminated text
      const std::string expectedName = n == 0 ? Expected(stored.data, defaultName, true) : goodName;
      EXPECT_STREQ(expectedName.c_str(), r->m_szDeviceName);
      EXPECT_EQ(n == 1 ? Expected(stored.data, defaultGuid, false) : "0123456789abcdef",
                Raw(&r->m_guidDevice, 16));
      EXPECT_EQ(n == 2 ? Expected(stored.data, defaultDriver, false) : "fedcba9876543210",
                Raw(&r->m_guidDriver, 16));
      EXPECT_EQ(n == 3 ? Expected(stored.data, defaultSound, false) : std::string(4, '\0'),
                Raw(&r->m_nSoundMode, 4));
      // The values the program never reads keep their defaults, whatever the key holds.
      EXPECT_EQ(0, r->m_nSpeakerType);
      EXPECT_EQ(0, r->m_nDigitalRateType);
      EXPECT_EQ(0, r->m_nDigitalBitsType);
      EXPECT_STREQ("No Provider", r->m_pszProviderName);

      ASSERT_TRUE(SaveRegistry().Complete());
      const DWORD types[8] = {REG_SZ,    REG_BINARY, REG_BINARY, REG_DWORD,
                              REG_DWORD, REG_DWORD,  REG_DWORD,  REG_SZ};
      const size_t sizes[8] = {40, 16, 16, 4, 4, 4, 4, 16};
      for (int v = 0; v < 8; ++v) {
        RegistrySnapshot::Value saved;
        ASSERT_TRUE(RegistrySnapshot::Get(kGameKey, kNames[v], saved)) << kNames[v];
        EXPECT_EQ(types[v], saved.type) << kNames[v];
        // A REG_SZ travels through the code page: a loaded name of stray bytes that are no
        // valid double-byte text may come back shorter; a plain name keeps its 40 bytes.
        bool plain = true;
        for (char c : std::string(r->m_szDeviceName)) plain &= static_cast<unsigned char>(c) < 0x80;
        if (v != 0 || plain)
          EXPECT_EQ(sizes[v], saved.data.size()) << kNames[v];
        else
          EXPECT_GE(sizes[v], saved.data.size()) << kNames[v];
      }
      RegistrySnapshot::Value provider;
      RegistrySnapshot::Get(kGameKey, "PROVIDERNAME", provider);
      EXPECT_EQ(std::string("No Provider") + std::string(5, '\0'), provider.data);
      RegistrySnapshot::Value foreign;
      ASSERT_TRUE(RegistrySnapshot::Get(kGameKey, "ClientOnly", foreign));
      EXPECT_EQ(std::string("the client's own value", 23), foreign.data);
    }
  }
  CRegistry::DestroyInstance();
  tally.Print(seed);
}

}  // namespace
