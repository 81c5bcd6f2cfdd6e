// Reading the saved option file: which lines are kept as foreign, and the values taken over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"
#include "script/ForeignLines.h"
#include "script/OptionInfoFile.h"
#include "script/ScriptPlatform.h"
#include "settings/CRegistry.h"

namespace {

using Lines = std::vector<std::string>;
using OptionLines = ScriptFolder;

TEST_F(OptionLines, OnlyLinesNamingAQuotedKeyAreOurs) {
  PutSaved(
      "-- WIDTH and HEIGHT are set below\r\n"
      "\r\n"
      "   \r\n"
      "SCREENWIDTH = 5\r\n"
      "x = { [\"width\"] = 1 }\r\n"
      "OptionInfoList[\"WIDTH\"] = 800\r\n"
      "CmdOnOffList[\"/notalkmsg2\"] = 1\r\n"
      "t[\"/notalkmsg22\"] = 1\r\n"
      "y = '\"Effect_Volume\"'\r\n");
  ReadOptionFileLines();
  EXPECT_EQ(Lines({"-- WIDTH and HEIGHT are set below", "   ", "SCREENWIDTH = 5",
                   "x = { [\"width\"] = 1 }", "t[\"/notalkmsg22\"] = 1"}),
            Record().m_otherLines);
  EXPECT_TRUE(IsOwnOptionLine("CmdOnOffList[\"/lightmap\"] = 0"));
  EXPECT_FALSE(IsOwnOptionLine("CmdOnOffList[\"/LIGHTMAP\"] = 0"));
  EXPECT_FALSE(IsOwnOptionLine("CmdOnOffList['/lightmap'] = 0"));
}

// As the client reads the file: text mode ends it at a Ctrl-Z and reads CR LF as LF; Lua's
// lexer ends a line at CR, LF, CR LF or LF CR.
TEST_F(OptionLines, LinesEndWhereLuaEndsThemAndTheFileAtACtrlZ) {
  PutSaved("a = 1\nb = 2\r\nc = 3\rd = 4\n\re = 5\r\r\nf = 6\r\n\x1a\r\nhidden = 7\r\n");
  SavedFileFound file = ReadOptionFileLines();
  EXPECT_EQ(Lines({"a = 1", "b = 2", "c = 3", "d = 4", "e = 5", "f = 6"}), Record().m_otherLines);
  EXPECT_TRUE(file.hiddenText);
  // A Ctrl-Z that `copy` appends hides nothing.
  PutSaved("last = 4\x1a");
  file = ReadOptionFileLines();
  EXPECT_EQ(Lines({"last = 4"}), Record().m_otherLines);
  EXPECT_FALSE(file.hiddenText);
}

// Dropping the program's lines must never unbalance a long comment, a long string or a string
// continued over its line end: every line inside one is kept as it is.
TEST_F(OptionLines, LinesInsideLongBracketsAndContinuedStringsAreKeptWhole) {
  const Lines inside = {
      "--[[OptionInfoList[\"WIDTH\"] = 800",
      "",
      "OptionInfoList[\"HEIGHT\"] = 600",
      "]]",
      "Note = [==[ \"/fog\" ]] is not its end",
      "CmdOnOffList[\"/fog\"] = 1 ]==] OptionInfoList[\"BITPERPIXEL\"] = 32",
      "Multi = 'one \\",
      "CmdOnOffList[\"/aura\"] = 1'",
  };
  std::string text;
  for (const std::string& line : inside) text += line + "\r\n";
  PutSaved(text +
           "OptionInfoList[\"WIDTH\"] = 1024\r\n"
           "-- [[ no block: \"/fog\"\r\n"
           "x = \"[[\" CmdOnOffList[\"/snap\"] = 1\r\n"
           "--[=[ \"/miss\" ]=] y = 2\r\n");
  ReadOptionFileLines();
  EXPECT_EQ(inside, Record().m_otherLines);
}

TEST_F(OptionLines, AMissingLubOnlyOrPrecompiledFileKeepsNoLines) {
  PutDefaults("OptionInfoList = { WIDTH = 1024 }");
  EXPECT_EQ(SavedFileStatus::kAbsent, ReadOptionFileLines().status);
  EXPECT_TRUE(Record().m_otherLines.empty());
  // A ".lub" is not the saved file at all.
  Put("savedata\\OptionInfo.lub", "foreign = 1\nOptionInfoList = { WIDTH = 1600 }\n");
  EXPECT_EQ(SavedFileStatus::kAbsent, ReadOptionFileLines().status);
  EXPECT_TRUE(Record().m_otherLines.empty());
  LoadOptionInfo();
  EXPECT_EQ(1024, Record().m_nWidth);
  // A compiled chunk, even behind a '#' line, holds no lines to keep.
  PutSaved("# foreign = 1\n\x1bLuaQ\nforeign = 2\n");
  EXPECT_EQ(SavedFileStatus::kPrecompiled, ReadOptionFileLines().status);
  EXPECT_TRUE(Record().m_otherLines.empty());
  PutSaved("foreign = 1\n");
  EXPECT_EQ(SavedFileStatus::kText, ReadOptionFileLines().status);
  EXPECT_EQ(Lines({"foreign = 1"}), Record().m_otherLines);
}

TEST_F(OptionLines, HugeLinesAndFilesAreReadWhole) {
  const std::string longLine = "-- " + std::string(1 << 20, 'x');
  std::string file = longLine + "\r\n";
  const std::string filler = "-- a foreign line that the program keeps for someone else\r\n";
  while (file.size() < kDataFileSizeLimit - 128) file += filler;
  PutSaved(file + "OptionInfoList[\"WIDTH\"] = 1280\r\n");
  ReadOptionFileLines();
  const Lines& kept = Record().m_otherLines;
  ASSERT_GT(kept.size(), 100000u);
  EXPECT_EQ(longLine, kept.front());
  EXPECT_EQ(filler.substr(0, filler.size() - 2), kept.back());
  // The ceiling on the Lua state still lets a file this large run.
  EXPECT_EQ(1280, g_scriptHost.GetSavedOption("WIDTH", 0));
}

TEST_F(OptionLines, LoadTakesSavedNumbersOverTheCurrentValues) {
  PutDefaults("OptionInfoList = { HEIGHT = 999, SPRITEMODE = 1 } CmdOnOffList = { ['/fog'] = 1 }");
  CRegistry& r = Record();
  r.m_nWidth = 1;
  r.m_nHeight = 2;
  r.m_nSpriteMode = 3;
  r.m_aCmdOnOff[7] = 4;
  r.m_aCmdOnOff[20] = 5;
  r.m_bSoundOn = 6;
  PutSaved(
      "OptionInfoList[\"WIDTH\"] = 1024\r\n"
      "OptionInfoList[\"SPRITEMODE\"] = \"0\"\r\n"
      "CmdOnOffList[\"/lightmap\"] = 0\r\n"
      "CmdOnOffList[\"/sound\"] = -1\r\n");
  LoadOptionInfo();
  EXPECT_EQ(1024, r.m_nWidth);
  EXPECT_EQ(2, r.m_nHeight);      // absent: the saved file alone answers
  EXPECT_EQ(3, r.m_nSpriteMode);  // a string is no number
  EXPECT_EQ(4, r.m_aCmdOnOff[7]);
  EXPECT_EQ(0, r.m_aCmdOnOff[20]);
  EXPECT_EQ(-1, r.m_bSoundOn);
}

}  // namespace
