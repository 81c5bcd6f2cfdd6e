// Writing the saved option file: exact bytes, round trips, and saves that cannot happen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ScriptFolder.h"
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
    const bool lines = WriteOptionFileLines(file);
    const bool block = SaveOptionInfo(file);
    return lines && block;
  }

  OptionFileState file;
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

TEST(FormatText, StaysWithinItsBuffer) {
  EXPECT_EQ("[\"WIDTH\"] = -1\r\n", FormatText("[\"%s\"] = %d\r\n", "WIDTH", -1));
  const std::string huge(100000, 'k');
  const std::string text = FormatText("<%s>", huge.c_str());
  EXPECT_EQ(4095u, text.size());
  EXPECT_EQ("<" + huge.substr(0, 4094), text);
}

}  // namespace
