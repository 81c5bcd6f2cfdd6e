// The saved option file as editors leave it: Notepad's byte-order mark and its UTF-16 are read
// through, and written back as 8-bit text; UTF-16 that the code page cannot hold is left alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"
#include "script/OptionInfoFile.h"
#include "settings/CRegistry.h"

namespace {

using Lines = std::vector<std::string>;
using SavedFile = ScriptFolder;

// "-- 한글\r\nOptionInfoList["WIDTH"] = 800\r\n" in UTF-16, little or big end first.
std::string Utf16(bool bigEndian, char16_t extra = 0) {
  std::u16string text = u"-- \uD55C\uAE00";
  if (extra)
    text += extra;
  text += u"\r\nOptionInfoList[\"WIDTH\"] = 800\r\n";
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : text) {
    const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xff);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST_F(SavedFile, AUtf8ByteOrderMarkIsReadPastAndNotWrittenBack) {
  PutSaved("\xEF\xBB\xBF-- mine\r\nOptionInfoList[\"WIDTH\"] = 800\r\n");
  ComposedOptionFile file = ComposeOptionBlock(WriteOptionFileLines(ReadOptionFileLines()));
  EXPECT_EQ(Lines({"-- mine"}), Record().m_otherLines);
  EXPECT_EQ(800, g_scriptHost.GetSavedOption("WIDTH", 1));
  ASSERT_TRUE(SaveOptionInfo(file));
  EXPECT_EQ(0u, Get("savedata\\OptionInfo.lua").find("-- mine\r\nOptionInfoList[\"Bgm_Volume\"]"));
}

// The tests run with the Korean code page (949), which holds Hangul.
TEST_F(SavedFile, Utf16ThatFitsTheCodePageIsReadAndWrittenInIt) {
  for (bool bigEndian : {false, true}) {
    PutSaved(Utf16(bigEndian));
    const SavedFileFound found = ReadOptionFileLines();
    EXPECT_EQ(SavedFileStatus::kText, found.status);
    EXPECT_EQ(Lines({"-- \xC7\xD1\xB1\xDB"}), Record().m_otherLines);
    EXPECT_EQ(800, g_scriptHost.GetSavedOption("WIDTH", 1));
    ComposedOptionFile file = ComposeOptionBlock(WriteOptionFileLines(found));
    ASSERT_TRUE(SaveOptionInfo(file));
    EXPECT_EQ(0u, Get("savedata\\OptionInfo.lua").find("-- \xC7\xD1\xB1\xDB\r\nOptionInfoList["));
  }
}

TEST_F(SavedFile, Utf16ThatDoesNotFitIsLeftAlone) {
  PutDefaults("OptionInfoList = { WIDTH = 640 }");
  const std::string thai = Utf16(false, u'\u0E01');
  PutSaved(thai);
  const SavedFileFound found = ReadOptionFileLines();
  EXPECT_EQ(SavedFileStatus::kUnfitUnicode, found.status);
  EXPECT_TRUE(Record().m_otherLines.empty());
  EXPECT_EQ(640, g_scriptHost.GetSavedOption("WIDTH", 1));
  ComposedOptionFile file = ComposeOptionBlock(WriteOptionFileLines(found));
  EXPECT_FALSE(SaveOptionInfo(file));
  EXPECT_EQ(SaveProblem::kUnfitUnicode, file.save.problem);
  EXPECT_EQ(thai, Get("savedata\\OptionInfo.lua"));
}

}  // namespace
