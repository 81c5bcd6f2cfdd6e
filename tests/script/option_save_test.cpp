// Writing the saved option file: exact bytes, round trips, and saves that cannot happen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"
#include "script/OptionInfoFile.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

using Lines = std::vector<std::string>;

class OptionSave : public ScriptFolder {
 protected:
  // Entry i gets a value of its own, so a swapped field shows.
  void NumberSettings() {
    for (int i = 0; i < kNameOptionKeyCount; ++i) OptionSetting(Record(), i) = i * 10;
    Record().m_nWidth = 1024;
    Record().m_nHeight = 768;
    Record().m_nDeviceIndex = -1;
  }

  bool Save() {
    composed = ComposeOptionBlock(WriteOptionFileLines(file));
    return SaveOptionInfo(composed);
  }

  SavedFileFound file;
  ComposedOptionFile composed;
};

const char kBlock[] =
    "OptionInfoList[\"Bgm_Volume\"] = 0\r\n"
    "OptionInfoList[\"Effect_Volume\"] = 10\r\n"
    "OptionInfoList[\"MouseExclusive\"] = 20\r\n"
    "OptionInfoList[\"ISFULLSCREENMODE\"] = 30\r\n"
    "OptionInfoList[\"WIDTH\"] = 1024\r\n"
    "OptionInfoList[\"HEIGHT\"] = 768\r\n"
    "OptionInfoList[\"BITPERPIXEL\"] = 60\r\n"
    "OptionInfoList[\"DEVICECNT\"] = -1\r\n"
    "OptionInfoList[\"MODECNT\"] = 80\r\n"
    "OptionInfoList[\"SPRITEMODE\"] = 90\r\n"
    "OptionInfoList[\"TEXTUREMODE\"] = 100\r\n"
    "\r\n"
    "CmdOnOffList[\"/bgm\"] = 110\r\n"
    "CmdOnOffList[\"/sound\"] = 120\r\n"
    "CmdOnOffList[\"/notrade\"] = 130\r\n"
    "CmdOnOffList[\"/noshift\"] = 140\r\n"
    "CmdOnOffList[\"/noctrl\"] = 150\r\n"
    "CmdOnOffList[\"/skillfail\"] = 160\r\n"
    "CmdOnOffList[\"/notalkmsg\"] = 170\r\n"
    "CmdOnOffList[\"/notalkmsg2\"] = 180\r\n"
    "CmdOnOffList[\"/showname\"] = 190\r\n"
    "CmdOnOffList[\"/fog\"] = 200\r\n"
    "CmdOnOffList[\"/aura\"] = 210\r\n"
    "CmdOnOffList[\"/window\"] = 220\r\n"
    "CmdOnOffList[\"/miss\"] = 230\r\n"
    "CmdOnOffList[\"/effect\"] = 240\r\n"
    "CmdOnOffList[\"/shopping\"] = 250\r\n"
    "CmdOnOffList[\"/stateinfo\"] = 260\r\n"
    "CmdOnOffList[\"/loginout\"] = 270\r\n"
    "CmdOnOffList[\"/snap\"] = 280\r\n"
    "CmdOnOffList[\"/itemsnap\"] = 290\r\n"
    "CmdOnOffList[\"/camera\"] = 300\r\n"
    "CmdOnOffList[\"/hoai\"] = 310\r\n"
    "CmdOnOffList[\"/merai\"] = 320\r\n"
    "CmdOnOffList[\"/lightmap\"] = 330\r\n";

TEST_F(OptionSave, WritesTheForeignLinesThenTheBlockByteForByte) {
  NumberSettings();
  CreateDirectoryA("savedata", nullptr);
  Record().m_otherLines = {"-- kept", std::string("nul\0inside", 10)};
  PutSaved("old content that must go\r\n");
  ASSERT_TRUE(Save());
  // A kept line goes back up to its first NUL byte, which Lua could not compile.
  EXPECT_EQ(std::string("-- kept\r\nnul\r\n") + kBlock, Get("savedata\\OptionInfo.lua"));
  Record().m_otherLines.clear();
  ASSERT_TRUE(Save());
  EXPECT_EQ(kBlock, Get("savedata\\OptionInfo.lua"));
}

TEST_F(OptionSave, ARoundTripKeepsForeignLinesAndOneBlock) {
  NumberSettings();
  PutSaved(std::string("first = 1\n-- WIDTH note\r\n\r\n") + kBlock + "after = 2");
  file = ReadOptionFileLines();
  EXPECT_EQ(Lines({"first = 1", "-- WIDTH note", "after = 2"}), Record().m_otherLines);
  for (int i = 0; i < kNameOptionKeyCount; ++i) OptionSetting(Record(), i) = 5;
  LoadOptionInfo();
  ASSERT_TRUE(Save());
  const std::string once = Get("savedata\\OptionInfo.lua");
  EXPECT_EQ(std::string("first = 1\r\n-- WIDTH note\r\nafter = 2\r\n") + kBlock, once);
  // The next run reads and saves the same file back.
  file = ReadOptionFileLines();
  LoadOptionInfo();
  ASSERT_TRUE(Save());
  EXPECT_EQ(once, Get("savedata\\OptionInfo.lua"));
}

TEST_F(OptionSave, WithoutASavedataFolderNothingIsWrittenAndFailureIsReported) {
  Record().m_otherLines = {"keep me"};
  EXPECT_FALSE(Save());
  EXPECT_FALSE(Exists("savedata"));
  EXPECT_EQ(Lines({"keep me"}), Record().m_otherLines);
}

TEST_F(OptionSave, AFolderInTheFilesPlaceFailsAndIsLeftAlone) {
  Put("savedata\\OptionInfo.lua\\inner.txt", "inner");
  Put("savedata\\other.lua", "other");
  Record().m_otherLines = {"keep me"};
  EXPECT_FALSE(Save());
  EXPECT_EQ("inner", Get("savedata\\OptionInfo.lua\\inner.txt"));
  EXPECT_EQ("other", Get("savedata\\other.lua"));
  EXPECT_EQ(Lines({"keep me"}), Record().m_otherLines);
}

// Another program holds the file open without sharing while the program starts: it is not an
// absent file. The save reads it again once the lock has cleared, and never replaces it blindly.
TEST_F(OptionSave, AFileThatCannotBeReadIsNeverReplacedBlindly) {
  NumberSettings();
  PutDefaults("OptionInfoList = { WIDTH = 640 }");
  const std::string old = "-- my notes\r\nOptionInfoList[\"WIDTH\"] = 1600\r\n";
  PutSaved(old);
  HANDLE lock = CreateFileA("savedata\\OptionInfo.lua", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  file = ReadOptionFileLines();
  EXPECT_EQ(SavedFileStatus::kUnreadable, file.status);
  EXPECT_EQ(640, g_scriptHost.GetSavedOption("WIDTH", 1));  // the client's defaults
  EXPECT_FALSE(Save());
  EXPECT_EQ(SaveProblem::kUnreadable, composed.save.problem);
  CloseHandle(lock);
  EXPECT_EQ(old, Get("savedata\\OptionInfo.lua"));
  EXPECT_FALSE(Exists("savedata\\OptionInfo.lua.new"));

  ASSERT_TRUE(Save());
  EXPECT_EQ(std::string("-- my notes\r\n") + kBlock, Get("savedata\\OptionInfo.lua"));
}

// A write that fails (a full disk, or the file held open by then) leaves the old file exactly
// as it was, and nothing beside it.
TEST_F(OptionSave, AFailedWriteLeavesTheOldFileAndNothingElse) {
  NumberSettings();
  const std::string old = "-- my notes\r\n";
  PutSaved(old);
  file = ReadOptionFileLines();
  HANDLE lock = CreateFileA("savedata\\OptionInfo.lua", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  EXPECT_FALSE(Save());
  EXPECT_EQ(SaveProblem::kNotWritten, composed.save.problem);
  CloseHandle(lock);
  EXPECT_EQ(old, Get("savedata\\OptionInfo.lua"));
  EXPECT_FALSE(Exists("savedata\\OptionInfo.lua.new"));
}

// What a power loss leaves: NULs. Each kept line goes back up to its first NUL, so the file
// compiles again and the block is read.
TEST_F(OptionSave, AFileOfNulsIsSavedAsOneThatLoads) {
  NumberSettings();
  PutSaved(std::string(4096, '\0'));
  file = ReadOptionFileLines();
  EXPECT_TRUE(file.nulInLines);
  ASSERT_TRUE(Save());
  EXPECT_EQ(std::string("\r\n") + kBlock, Get("savedata\\OptionInfo.lua"));
  EXPECT_EQ(1024, g_scriptHost.GetSavedOption("WIDTH", 1));
}

// Dropping the program's lines can still break a foreign statement that spans lines: then the
// old file stays, unless it did not load anyway.
TEST_F(OptionSave, ASaveNeverTurnsALoadingFileIntoABrokenOne) {
  NumberSettings();
  const std::string old = "Extra = { a = 1,\r\n  b = \"WIDTH\" }\r\n";
  PutSaved(old);
  file = ReadOptionFileLines();
  EXPECT_FALSE(Save());
  EXPECT_EQ(SaveProblem::kWouldNotLoad, composed.save.problem);
  EXPECT_EQ(old, Get("savedata\\OptionInfo.lua"));

  PutSaved("this is not Lua\r\n\"WIDTH\"\r\n");
  file = ReadOptionFileLines();
  ASSERT_TRUE(Save());
  EXPECT_EQ(std::string("this is not Lua\r\n") + kBlock, Get("savedata\\OptionInfo.lua"));
}

TEST(FormatText, StaysWithinItsBuffer) {
  EXPECT_EQ("[\"WIDTH\"] = -1\r\n", FormatText("[\"%s\"] = %d\r\n", "WIDTH", -1));
  const std::string huge(100000, 'k');
  const std::string text = FormatText("<%s>", huge.c_str());
  EXPECT_EQ(4095u, text.size());
  EXPECT_EQ("<" + huge.substr(0, 4094), text);
}

}  // namespace
