// A game folder under "Program Files" whose client had its writes to the saved option file
// virtualized: a copy that cannot be read.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"
#include "script/OptionInfoFile.h"

namespace {

namespace fs = std::filesystem;

const char kReal[] = "savedata\\OptionInfo.lua";

std::string Environment(const char* name) {
  char value[MAX_PATH] = "";
  GetEnvironmentVariableA(name, value, MAX_PATH);
  return value;
}

// The test's folder lies in the prefix's Program Files; the copy where Windows keeps it.
class VirtualizedFile : public ScriptFolder {
 protected:
  void SetUp() override {
    ScriptFolder::SetUp();
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder = fs::path(Environment("ProgramFiles")) / "script-work" / info->name();
    const fs::path store =
        Environment("LOCALAPPDATA") + "\\VirtualStore" + folder.string().substr(2);
    fs::remove_all(folder);
    fs::remove_all(store);
    fs::create_directories(folder);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.string().c_str()));
    m_copy = (store / kReal).string();
    PutDefaults("OptionInfoList = { WIDTH = 640 }");
  }

  std::string m_copy;
  SavedFileFound file;
};

// A copy that cannot be read is not an absent one: the game folder's file, which the client no
// longer reads, does not stand in for it, and neither file is replaced blindly.
TEST_F(VirtualizedFile, ACopyThatCannotBeReadLeavesBothFilesAsTheyWere) {
  PutSaved("OptionInfoList[\"WIDTH\"] = 800\r\n");
  Put(m_copy, "-- the client's\r\nOptionInfoList[\"WIDTH\"] = 1600\r\n");
  HANDLE lock = CreateFileA(m_copy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  file = ReadOptionFileLines();
  EXPECT_EQ(SavedFileStatus::kUnreadable, file.status);
  EXPECT_EQ(m_copy, file.path);
  EXPECT_EQ(640, g_scriptHost.GetSavedOption("WIDTH", 1));  // the client's defaults
  ComposedOptionFile save = ComposeOptionBlock(WriteOptionFileLines(file));
  EXPECT_FALSE(SaveOptionInfo(save));
  CloseHandle(lock);
  EXPECT_EQ(SaveProblem::kUnreadable, save.save.problem);
  EXPECT_EQ("OptionInfoList[\"WIDTH\"] = 800\r\n", Get(kReal));
  EXPECT_EQ("-- the client's\r\nOptionInfoList[\"WIDTH\"] = 1600\r\n", Get(m_copy));
}

}  // namespace
