// The settings record's lifetime and the name table.
#include <gtest/gtest.h>

#include <string>

#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

TEST(SettingsRecord, ExistsOnlyBetweenCreateAndDestroy) {
  EXPECT_EQ(nullptr, CRegistry::GetInstance());
  CRegistry::DestroyInstance();  // nothing to destroy: no effect
  ASSERT_TRUE(CRegistry::CreateInstance());
  CRegistry* first = CRegistry::GetInstance();
  ASSERT_NE(nullptr, first);
  EXPECT_TRUE(first->m_bCreated);
  first->m_nWidth = 1234;
  // A second creation fails and keeps the first record as it was.
  EXPECT_FALSE(CRegistry::CreateInstance());
  EXPECT_EQ(first, CRegistry::GetInstance());
  EXPECT_EQ(1234, first->m_nWidth);
  CRegistry::DestroyInstance();
  EXPECT_EQ(nullptr, CRegistry::GetInstance());
  // After destruction a new record can be made.
  EXPECT_TRUE(CRegistry::CreateInstance());
  CRegistry::DestroyInstance();
}

TEST(SettingsRecord, StartsWithTheWindowsVersionAndDefinedValues) {
  ASSERT_TRUE(CRegistry::CreateInstance());
  const CRegistry* r = CRegistry::GetInstance();
  EXPECT_EQ(sizeof(OSVERSIONINFOA), r->m_osVersion.dwOSVersionInfoSize);
  EXPECT_GE(r->m_osVersion.dwMajorVersion, 5u);
  // Fields that a reset may leave alone must still hold defined values.
  EXPECT_EQ('\0', r->m_szDeviceName[0]);
  EXPECT_EQ(0, r->m_nDeviceIndex);
  EXPECT_EQ(0, r->m_nModeIndex);
  const GUID zero = {};
  EXPECT_TRUE(IsEqualGUID(zero, r->m_guidDevice));
  EXPECT_TRUE(IsEqualGUID(zero, r->m_guidDriver));
  EXPECT_TRUE(r->m_otherLines.empty());
  CRegistry::DestroyInstance();
}

TEST(NameTable, IsEmptyUntilFilledThenFixed) {
  for (int i = 0; i < kNameCount; ++i) EXPECT_EQ(nullptr, GetName(i)) << i;
  InitNameTable();
  const char* before = GetName(72);
  InitNameTable();
  EXPECT_EQ(before, GetName(72));
  EXPECT_STREQ("alreadyclient", GetName(kNameAlreadyClient));
  EXPECT_STREQ("NoSound", GetName(50));
  EXPECT_STREQ("SaveData\\OptionInfo", GetName(kNameSavedOptionFile));
  EXPECT_STREQ("System\\LuaFiles514\\MsgString", GetName(kNameMsgStringFile));
  EXPECT_STREQ("System\\LuaFiles514\\OptionInfo", GetName(kNameDefaultOptionFile));
}

TEST(NameTable, TooltipKeysRepeatTheirOptionKeysInSeparateEntries) {
  InitNameTable();
  EXPECT_STREQ(GetName(2), GetName(43));
  EXPECT_STREQ("MouseExclusive", GetName(43));
  EXPECT_STREQ(GetName(0), GetName(46));
  EXPECT_STREQ(GetName(1), GetName(47));
}

TEST(NameTable, SwitchTooltipsAreTheCommandsWithoutTheSlash) {
  InitNameTable();
  for (int i = 0; i < kCmdSwitchCount; ++i) {
    const std::string command = GetName(kNameFirstSwitch + i);
    ASSERT_EQ('/', command[0]);
    EXPECT_EQ(command.substr(1), GetName(kNameFirstSwitchTip + i)) << i;
  }
}

TEST(NameTable, OptionKeysAreDistinctAndUnquoted) {
  InitNameTable();
  for (int i = 0; i < kNameOptionKeyCount; ++i) {
    const std::string key = GetName(i);
    EXPECT_FALSE(key.empty());
    EXPECT_EQ(std::string::npos, key.find('"')) << key;
    for (int j = i + 1; j < kNameOptionKeyCount; ++j) EXPECT_NE(key, GetName(j)) << i << " " << j;
  }
  // Entries 0..10 are option keys, 11..33 command keys.
  EXPECT_NE('/', GetName(10)[0]);
  EXPECT_EQ('/', GetName(11)[0]);
  EXPECT_EQ('/', GetName(33)[0]);
}

}  // namespace
