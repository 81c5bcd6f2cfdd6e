// The game client's registry values through Wine's real registry.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "ClientView.h"
#include "display/CFakeDirectDraw.h"
#include "display/VideoDevices.h"
#include "script/CScriptHost.h"
#include "settings/CRegistry.h"
#include "settings/CRegistryKey.h"
#include "settings/NameTable.h"
#include "settings/RegistryStore.h"

namespace {

const char kVendorPath[] = "Software\\Helvane";
typedef std::vector<BYTE> Bytes;

Bytes Text(const std::string& text, size_t size) {
  Bytes bytes(size, 0);
  memcpy(bytes.data(), text.data(), text.size() < size ? text.size() : size);
  return bytes;
}

Bytes Dword(DWORD value) {
  return Bytes{BYTE(value), BYTE(value >> 8), BYTE(value >> 16), BYTE(value >> 24)};
}

Bytes GuidBytes(const GUID& guid) {
  const BYTE* p = reinterpret_cast<const BYTE*>(&guid);
  return Bytes(p, p + sizeof(guid));
}

void DeleteKeys() {
  DeleteClientKey(kGameKeyPath);
  DeleteClientKey(kSetupKeyPath);
  // Only when nothing else lives under the vendor's key.
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kVendorPath, kClientView, 0);
}

// `view` KEY_WOW64_64KEY names a key by the path it really has, as a 64-bit program does.
bool KeyExists(const char* path, HKEY root = HKEY_LOCAL_MACHINE, REGSAM view = kClientView) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

DWORD ValueCount(const char* path, HKEY root = HKEY_LOCAL_MACHINE, REGSAM view = kClientView) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
    return 0xFFFFFFFF;
  DWORD values = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return values;
}

// The stored bytes of a game-key value, and its type; empty with type REG_NONE when missing.
Bytes Stored(const char* name, DWORD* type = nullptr, HKEY root = HKEY_LOCAL_MACHINE,
             const char* path = kGameKeyPath, REGSAM view = kClientView) {
  HKEY key;
  Bytes data(256);
  DWORD size = 0, t = REG_NONE;
  if (RegOpenKeyExA(root, path, 0, KEY_READ | view, &key) == ERROR_SUCCESS) {
    size = DWORD(data.size());
    if (RegQueryValueExA(key, name, nullptr, &t, data.data(), &size) != ERROR_SUCCESS)
      size = 0, t = REG_NONE;
    RegCloseKey(key);
  }
  data.resize(size);
  if (type)
    *type = t;
  return data;
}

void Store(const char* name, DWORD type, const void* data, DWORD size,
           HKEY root = HKEY_LOCAL_MACHINE, const char* path = kGameKeyPath,
           REGSAM view = kClientView) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS | view,
                                           nullptr, &key, nullptr));
  ASSERT_EQ(ERROR_SUCCESS,
            RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
  RegCloseKey(key);
}

void CreateEmptyGameKey() {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKeyPath, 0, nullptr, 0,
                                           KEY_ALL_ACCESS | kClientView, nullptr, &key, nullptr));
  RegCloseKey(key);
}

// The handles this process holds, as the system's handle list gives them (Wine's
// GetProcessHandleCount answers 0).
DWORD OpenHandles() {
  struct Entry {
    ULONG ownerPid;
    BYTE objectType, flags;
    USHORT value;
    void* object;
    ACCESS_MASK access;
  };
  typedef LONG(WINAPI * Query)(int, void*, ULONG, ULONG*);
  const Query query = reinterpret_cast<Query>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  std::vector<BYTE> buffer(1 << 16);
  ULONG needed = 0;
  const int kSystemHandleInformation = 16;
  while (query(kSystemHandleInformation, buffer.data(), ULONG(buffer.size()), &needed) < 0)
    buffer.resize(buffer.size() * 2);
  const ULONG count = *reinterpret_cast<ULONG*>(buffer.data());
  const Entry* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(void*));
  DWORD own = 0;
  for (ULONG i = 0; i < count; ++i) own += entries[i].ownerPid == GetCurrentProcessId();
  return own;
}

TEST(RegistryKey, OpeningAgainLetsGoOfTheKeyHeldAndAFailedOpeningHoldsNone) {
  CreateEmptyGameKey();
  const DWORD before = OpenHandles();
  {
    CRegistryKey key;
    for (int i = 0; i < 3; ++i) {
      ASSERT_EQ(ERROR_SUCCESS, key.Create(kGameKeyPath));
      ASSERT_EQ(ERROR_SUCCESS, key.OpenForQuery(kGameKeyPath));
    }
    EXPECT_EQ(before + 1, OpenHandles());
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, key.OpenForQuery("Software\\Helvane\\Missing"));
    EXPECT_EQ(before, OpenHandles());
    DWORD value = 0;
    EXPECT_FALSE(key.Query("SOUNDMODE", value));
  }
  EXPECT_EQ(before, OpenHandles());
  DeleteKeys();
}

// A record over one scripted hardware device, with the program's keys absent before and after.
class Registry : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteKeys();
    ASSERT_FALSE(KeyExists(kGameKeyPath));
    CFakeDirectDraw::Install({Driver(
        nullptr, "Primary Display Driver", {Mode(640, 480, 16)},
        {Device("RGB Emulation", false, DDBD_16, 1), Device("Direct3D HAL", true, DDBD_16, 2)})});
    ASSERT_EQ(0, EnumerateVideoDevices(AcceptAllDevices));
    ASSERT_TRUE(CRegistry::CreateInstance());
    InitNameTable();
    SetClientDefaults(&g_scriptHost);
    r = CRegistry::GetInstance();
  }
  void TearDown() override {
    CRegistry::DestroyInstance();
    ReleaseVideoDevices();
    DeleteKeys();
  }

  CRegistry* r = nullptr;
};

TEST_F(Registry, FirstRunWritesTheEightDefaultsWithTheirTypesAndSizes) {
  LoadRegistry();
  DWORD type = 0;
  EXPECT_EQ(Text("Direct3D HAL", 40), Stored("DEVICENAME", &type));
  EXPECT_EQ(DWORD(REG_SZ), type);
  EXPECT_EQ(GuidBytes(TaggedGuid(2)), Stored("GUIDDEVICE", &type));
  EXPECT_EQ(DWORD(REG_BINARY), type);
  EXPECT_EQ(Bytes(16, 0), Stored("GUIDDRIVER", &type));
  EXPECT_EQ(DWORD(REG_BINARY), type);
  EXPECT_EQ(Dword(1), Stored("SOUNDMODE", &type));
  EXPECT_EQ(DWORD(REG_DWORD), type);
  for (const char* name : {"SPEAKERTYPE", "DIGITALRATETYPE", "DIGITALBITSTYPE"}) {
    EXPECT_EQ(Dword(0), Stored(name, &type)) << name;
    EXPECT_EQ(DWORD(REG_DWORD), type) << name;
  }
  EXPECT_EQ(Text("No Provider", 16), Stored("PROVIDERNAME", &type));
  EXPECT_EQ(DWORD(REG_SZ), type);
  EXPECT_EQ(8u, ValueCount(kGameKeyPath));
  // The setup key only has to exist.
  EXPECT_TRUE(KeyExists(kSetupKeyPath));
  EXPECT_EQ(0u, ValueCount(kSetupKeyPath));
}

TEST_F(Registry, ALaterLoadReadsTheStoredValuesAndWritesNothing) {
  LoadRegistry();
  const GUID stored = TaggedGuid(0x5A);
  Store("DEVICENAME", REG_SZ, "Other card", 11);
  Store("GUIDDEVICE", REG_BINARY, &stored, sizeof(stored));
  Store("GUIDDRIVER", REG_BINARY, &stored, sizeof(stored));
  const DWORD noSound = 0;
  Store("SOUNDMODE", REG_DWORD, &noSound, sizeof(noSound));
  const DWORD speaker = 3;
  Store("SPEAKERTYPE", REG_DWORD, &speaker, sizeof(speaker));

  LoadRegistry();
  EXPECT_STREQ("Other card", r->m_szDeviceName);
  EXPECT_EQ(Text("Other card", 40), Bytes(r->m_szDeviceName, r->m_szDeviceName + 40));
  EXPECT_TRUE(IsEqualGUID(stored, r->m_guidDevice));
  EXPECT_TRUE(IsEqualGUID(stored, r->m_guidDriver));
  EXPECT_EQ(0, r->m_nSoundMode);
  // The sound types are the client's business: never read, so the default stands.
  EXPECT_EQ(0, r->m_nSpeakerType);
  // Nothing was written back over the stored values.
  EXPECT_EQ(Text("Other card", 11), Stored("DEVICENAME"));
  EXPECT_EQ(Dword(3), Stored("SPEAKERTYPE"));
}

TEST_F(Registry, AGameKeyWithoutValuesKeepsTheDefaultsAndStaysEmpty) {
  CreateEmptyGameKey();
  LoadRegistry();
  EXPECT_EQ(0u, ValueCount(kGameKeyPath));
  EXPECT_STREQ("Direct3D HAL", r->m_szDeviceName);
  EXPECT_TRUE(IsEqualGUID(TaggedGuid(2), r->m_guidDevice));
  EXPECT_EQ(1, r->m_nSoundMode);
  EXPECT_TRUE(KeyExists(kSetupKeyPath));
}

TEST_F(Registry, ADeviceNameThatDoesNotFitKeepsTheDefault) {
  const std::string tooLong(60, 'L');
  Store("DEVICENAME", REG_SZ, tooLong.c_str(), DWORD(tooLong.size() + 1));
  LoadRegistry();
  EXPECT_STREQ("Direct3D HAL", r->m_szDeviceName);

  // Forty characters and no NUL: the field would be left unterminated.
  const std::string full(40, 'F');
  Store("DEVICENAME", REG_SZ, full.data(), 40);
  LoadRegistry();
  EXPECT_STREQ("Direct3D HAL", r->m_szDeviceName);
  Store("DEVICENAME", REG_BINARY, full.data(), 40);
  LoadRegistry();
  EXPECT_STREQ("Direct3D HAL", r->m_szDeviceName);

  // Thirty-nine characters and the NUL is the longest name taken.
  const std::string longest(39, 'K');
  Store("DEVICENAME", REG_SZ, longest.c_str(), 40);
  LoadRegistry();
  EXPECT_EQ(longest, r->m_szDeviceName);
}

TEST_F(Registry, ValuesOfAnotherTypeAreTakenByteForByteWhenTheyFit) {
  CreateEmptyGameKey();
  // A short binary name: its bytes, then NULs, never the old name's tail.
  Store("DEVICENAME", REG_BINARY, "Card", 4);
  const BYTE zeros[4] = {};
  Store("SOUNDMODE", REG_BINARY, zeros, sizeof(zeros));
  const DWORD first = 0x11223344;
  Store("GUIDDEVICE", REG_DWORD, &first, sizeof(first));
  const BYTE tooBig[20] = {0xEE, 0xEE, 0xEE};
  Store("GUIDDRIVER", REG_BINARY, tooBig, sizeof(tooBig));
  LoadRegistry();
  EXPECT_EQ(Text("Card", 40), Bytes(r->m_szDeviceName, r->m_szDeviceName + 40));
  EXPECT_EQ(0, r->m_nSoundMode);
  GUID expected = TaggedGuid(2);
  expected.Data1 = first;
  EXPECT_TRUE(IsEqualGUID(expected, r->m_guidDevice));
  // Twenty bytes do not fit: the default (the primary driver's zero GUID) stands.
  EXPECT_TRUE(IsEqualGUID(GUID(), r->m_guidDriver));
}

TEST_F(Registry, SavingWritesTheRecordAndAlwaysTheFullNameField) {
  CreateEmptyGameKey();
  LoadRegistry();
  r->m_nSoundMode = 0;
  memset(r->m_szDeviceName, 0, sizeof(r->m_szDeviceName));
  strcpy(r->m_szDeviceName, "X");
  r->m_guidDriver = TaggedGuid(0x3C);
  EXPECT_TRUE(SaveRegistry().Complete());
  EXPECT_EQ(Text("X", 40), Stored("DEVICENAME"));
  EXPECT_EQ(GuidBytes(TaggedGuid(0x3C)), Stored("GUIDDRIVER"));
  EXPECT_EQ(Dword(0), Stored("SOUNDMODE"));
  EXPECT_EQ(Dword(0), Stored("DIGITALBITSTYPE"));
  EXPECT_EQ(Text("No Provider", 16), Stored("PROVIDERNAME"));

  // A provider name longer than the value is cut, and the value still ends in a NUL.
  r->m_pszProviderName = "A provider name of thirty bytes";
  EXPECT_TRUE(SaveRegistry().Complete());
  EXPECT_EQ(Text("A provider name", 16), Stored("PROVIDERNAME"));
  // Without a virtualized copy of the key the save makes none.
  EXPECT_FALSE(KeyExists(VirtualGameKeyPath(), HKEY_CURRENT_USER, KEY_WOW64_64KEY));
}

TEST_F(Registry, SavingReportsAGameKeyThatCannotBeCreated) {
  // A lasting key cannot be made under a volatile one.
  HKEY vendor;
  ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, kVendorPath, 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS | kClientView, nullptr, &vendor, nullptr));
  RegCloseKey(vendor);
  LoadRegistry();  // the first-run write fails quietly
  EXPECT_FALSE(KeyExists(kGameKeyPath));
  const RegistrySave saved = SaveRegistry();
  EXPECT_FALSE(saved.gameKey);
  EXPECT_TRUE(saved.virtualCopy);
  EXPECT_STREQ("Direct3D HAL", r->m_szDeviceName);
}

}  // namespace

namespace {

// The client's own copy of the game key, kept where Windows keeps it for a virtualized client.
// It is named by the path it really has: Wine, unlike Windows, redirects a 32-bit program
// below any key that has a WOW6432Node child.
class VirtualCopy : public Registry {
 protected:
  void SetUp() override {
    DeleteCopy();
    Registry::SetUp();
  }
  void TearDown() override {
    Registry::TearDown();
    DeleteCopy();
  }
  static void DeleteCopy() {
    const std::string copy = VirtualGameKeyPath();
    RegDeleteKeyExA(HKEY_CURRENT_USER, copy.c_str(), KEY_WOW64_64KEY, 0);
    // The vendor's key too, when nothing else lives under it.
    RegDeleteKeyExA(HKEY_CURRENT_USER, copy.substr(0, copy.rfind('\\')).c_str(), KEY_WOW64_64KEY,
                    0);
  }
  static void StoreInCopy(const char* name, DWORD type, const void* data, DWORD size) {
    Store(name, type, data, size, HKEY_CURRENT_USER, VirtualGameKeyPath(), KEY_WOW64_64KEY);
  }
  static Bytes InCopy(const char* name, DWORD* type = nullptr) {
    return Stored(name, type, HKEY_CURRENT_USER, VirtualGameKeyPath(), KEY_WOW64_64KEY);
  }
  static DWORD ValuesInCopy() {
    return ValueCount(VirtualGameKeyPath(), HKEY_CURRENT_USER, KEY_WOW64_64KEY);
  }
};

// Saving to both keys is shown end to end (E2eVirtualStore); here, what the end to end run
// does not reach.
TEST_F(VirtualCopy, EachValueOfTheCopyIsReadOverTheGameKeysAndAMissingOneIsNot) {
  LoadRegistry();
  Store("DEVICENAME", REG_SZ, "Real card", 10);
  const DWORD one = 1, zero = 0;
  Store("SOUNDMODE", REG_DWORD, &one, sizeof(one));
  // The client wrote only these two while virtualized: it sees the real device name.
  const GUID clients = TaggedGuid(0x77);
  StoreInCopy("GUIDDEVICE", REG_BINARY, &clients, sizeof(clients));
  StoreInCopy("SOUNDMODE", REG_DWORD, &zero, sizeof(zero));

  LoadRegistry();
  EXPECT_STREQ("Real card", r->m_szDeviceName);
  EXPECT_TRUE(IsEqualGUID(clients, r->m_guidDevice));
  EXPECT_TRUE(IsEqualGUID(GUID(), r->m_guidDriver));
  EXPECT_EQ(0, r->m_nSoundMode);
}

TEST_F(VirtualCopy, AFirstRunWritesTheDefaultsToTheGameKeyOnlyAndTakesTheClientsValues) {
  const DWORD zero = 0;
  StoreInCopy("SOUNDMODE", REG_DWORD, &zero, sizeof(zero));
  LoadRegistry();
  EXPECT_EQ(8u, ValueCount(kGameKeyPath));
  EXPECT_EQ(Dword(1), Stored("SOUNDMODE"));
  EXPECT_EQ(1u, ValuesInCopy());
  EXPECT_EQ(0, r->m_nSoundMode);
}

TEST_F(VirtualCopy, ACopyThatCannotBeWrittenFailsTheSaveAndTheGameKeyIsStillWritten) {
  const DWORD zero = 0;
  StoreInCopy("SOUNDMODE", REG_DWORD, &zero, sizeof(zero));
  // Everyone may read the copy, nobody may write it.
  SECURITY_DESCRIPTOR sd;
  InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
  BYTE aclBytes[256];
  ACL* acl = reinterpret_cast<ACL*>(aclBytes);
  InitializeAcl(acl, sizeof(aclBytes), ACL_REVISION);
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, everyone);
  SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, VirtualGameKeyPath(), 0,
                                         WRITE_DAC | KEY_WOW64_64KEY, &key));
  ASSERT_EQ(ERROR_SUCCESS, RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd));
  RegCloseKey(key);
  FreeSid(everyone);

  LoadRegistry();
  r->m_nSoundMode = 1;
  const RegistrySave saved = SaveRegistry();
  EXPECT_TRUE(saved.gameKey);
  EXPECT_FALSE(saved.virtualCopy);
  EXPECT_EQ(Dword(1), Stored("SOUNDMODE"));
  EXPECT_EQ(Dword(0), InCopy("SOUNDMODE"));
}

}  // namespace
