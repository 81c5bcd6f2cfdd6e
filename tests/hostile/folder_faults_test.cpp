// A damaged "savedata" folder: the save steps that cannot write say so, and nothing else is
// lost: other files, the registry group, the kept lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameFolder.h"
#include "RegistrySnapshot.h"
#include "script/OptionInfoFile.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"
#include "settings/RegistryStore.h"

namespace {

const char kGameKey[] = "Software\\Helvane\\Tessaril";
const char kSavedFile[] = "savedata\\OptionInfo.lua";
const char kDefaults[] = "System\\LuaFiles514\\OptionInfo.lua";
const char kDefaultText[] =
    "OptionInfoList = { WIDTH = 800 }\r\nCmdOnOffList = { [\"/fog\"] = 1 }\r\n";

class FolderFaults : public ::testing::Test {
 protected:
  FolderFaults() : folder(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    InitNameTable();
    CRegistry::CreateInstance();
    record = CRegistry::GetInstance();
    GameFolder::Write(kDefaults, kDefaultText);
    GameFolder::Write("readme.txt", "the game's own file\r\n");
    DeleteClientKey(kGameKey);
  }
  ~FolderFaults() override { CRegistry::DestroyInstance(); }

  void Prepare() {
    record->m_otherLines = lines;
    strcpy(record->m_szDeviceName, "Chosen Device");
    record->m_nSoundMode = 0;
    record->m_nWidth = 1024;
  }

  // The three save steps as start-up runs them; the file steps must fail, the registry not.
  void SaveExpectingFileFailures() {
    ComposedOptionFile composed = ComposeOptionBlock(WriteOptionFileLines(file));
    EXPECT_TRUE(SaveRegistry().Complete());
    EXPECT_FALSE(SaveOptionInfo(composed));
    EXPECT_EQ(lines, record->m_otherLines);
    RegistrySnapshot::Value name, sound;
    ASSERT_TRUE(RegistrySnapshot::Get(kGameKey, "DEVICENAME", name));
    EXPECT_STREQ("Chosen Device", name.data.c_str());
    ASSERT_TRUE(RegistrySnapshot::Get(kGameKey, "SOUNDMODE", sound));
    EXPECT_EQ(std::string(4, '\0'), sound.data);
    EXPECT_EQ(8u, RegistrySnapshot::ValuesOf(kGameKey).size());
    EXPECT_EQ(kDefaultText, GameFolder::Read(kDefaults));
    EXPECT_EQ("the game's own file\r\n", GameFolder::Read("readme.txt"));
  }

  // Once the folder is mended, the kept lines are all still there to be written.
  void SaveAfterMending() {
    ComposedOptionFile composed = ComposeOptionBlock(WriteOptionFileLines(file));
    ASSERT_TRUE(SaveOptionInfo(composed));
    const std::string saved = GameFolder::Read(kSavedFile);
    EXPECT_EQ(0u, saved.find("-- my notes\r\nFriends = { \"ana\" }\r\n"));
    EXPECT_NE(std::string::npos, saved.find("OptionInfoList[\"WIDTH\"] = 1024\r\n"));
  }

  GameFolder folder;
  SavedFileFound file;
  RegistrySnapshot snapshot;
  CRegistry* record = nullptr;
  const std::vector<std::string> lines = {"-- my notes", "Friends = { \"ana\" }"};
};

TEST_F(FolderFaults, SavedataIsAFile) {
  GameFolder::Remove("savedata");
  GameFolder::Write("savedata", "not a folder\r\n");
  // Start-up: nothing to keep, and the client's defaults answer.
  file = ReadOptionFileLines();
  EXPECT_TRUE(record->m_otherLines.empty());
  record->m_nWidth = -1;
  LoadOptionInfo();
  EXPECT_EQ(800, record->m_nWidth);

  Prepare();
  SaveExpectingFileFailures();
  EXPECT_EQ("not a folder\r\n", GameFolder::Read("savedata"));

  GameFolder::Remove("savedata");
  GameFolder::MakeFolder("savedata");
  SaveAfterMending();
}

TEST_F(FolderFaults, TheSavedOptionFileIsAFolder) {
  GameFolder::MakeFolder(kSavedFile);
  GameFolder::Write("savedata\\OptionInfo.lua\\inside.txt", "kept inside\r\n");
  GameFolder::Write("savedata\\Macros.lua", "Macro = 1\r\n");
  file = ReadOptionFileLines();
  EXPECT_TRUE(record->m_otherLines.empty());
  record->m_nWidth = -1;
  LoadOptionInfo();
  EXPECT_EQ(800, record->m_nWidth);

  Prepare();
  SaveExpectingFileFailures();
  EXPECT_TRUE(GameFolder::IsFolder(kSavedFile));
  EXPECT_EQ("kept inside\r\n", GameFolder::Read("savedata\\OptionInfo.lua\\inside.txt"));
  EXPECT_EQ("Macro = 1\r\n", GameFolder::Read("savedata\\Macros.lua"));

  GameFolder::Remove(kSavedFile);
  SaveAfterMending();
  EXPECT_EQ("Macro = 1\r\n", GameFolder::Read("savedata\\Macros.lua"));
}

}  // namespace
