// Which data file answers: ".lub" before ".lua", precompiled chunks, the saved file's fallback.
#include <gtest/gtest.h>

#include <string>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"

namespace {

using DataFiles = ScriptFolder;

TEST_F(DataFiles, ALoadingLubHidesTheLua) {
  Put(kMessages + ".lub", "SetupMSG = { Device = 'from lub' }");
  PutMessages("SetupMSG = { Device = 'from lua', Mode = 'only lua' }");
  EXPECT_STREQ("from lub", g_scriptHost.GetMessage("Device"));
  // The ".lua" is never consulted, not even for a key the ".lub" lacks.
  EXPECT_STREQ("", g_scriptHost.GetMessage("Mode"));
}

TEST_F(DataFiles, ABrokenLubGivesWayToTheLua) {
  PutMessages("SetupMSG = { Device = 'from lua' }");
  Put(kMessages + ".lub", "SetupMSG = { Device = ");
  EXPECT_STREQ("from lua", g_scriptHost.GetMessage("Device"));
  Put(kMessages + ".lub", std::string("\x1bLuaQ\0garbage", 13));
  EXPECT_STREQ("from lua", g_scriptHost.GetMessage("Device"));
}

// The client's chunks come from its 32-bit Lua; a 64-bit build also reads its own layout.
TEST_F(DataFiles, PrecompiledChunksLoadInTheClientsLayout) {
  const std::string chunk = Precompile("SetupMSG = { Device = 'compiled' }");
  ASSERT_GT(chunk.size(), 12u);
  EXPECT_EQ(std::string("\x1bLuaQ\x00\x01\x04\x04\x04\x08\x00", 12), chunk.substr(0, 12));
  PutMessages("SetupMSG = { Device = 'source' }");
  Put(kMessages + ".lub", chunk);
  EXPECT_STREQ("compiled", g_scriptHost.GetMessage("Device"));

  Put(kMessages + ".lub", Precompile("SetupMSG = { Device = 'compiled' }", 8));
  EXPECT_STREQ(sizeof(size_t) == 8 ? "compiled" : "source", g_scriptHost.GetMessage("Device"));
  std::string foreign = chunk;
  foreign[10] = 4;  // 4-byte numbers
  Put(kMessages + ".lub", foreign);
  EXPECT_STREQ("source", g_scriptHost.GetMessage("Device"));
  // The signature, not the extension, tells a chunk from source.
  PutMessages(chunk);
  EXPECT_STREQ("compiled", g_scriptHost.GetMessage("Device"));
}

// Anyone may write "savedata" while the program runs as administrator, and Lua 5.1 runs
// crafted bytecode unchecked: the saved file counts only as source text under its ".lua" name.
TEST_F(DataFiles, TheSavedFileIsReadOnlyAsSourceFromItsLuaName) {
  PutDefaults("OptionInfoList = { WIDTH = 1024 }");
  const std::string chunk = Precompile("OptionInfoList = { WIDTH = 1600 }");
  PutSaved(chunk);
  EXPECT_EQ(1024, g_scriptHost.GetSavedOption("WIDTH", 1));  // as a file that does not compile
  PutSaved("#!/usr/bin/lua\n" + chunk);
  EXPECT_EQ(1024, g_scriptHost.GetSavedOption("WIDTH", 1));
  PutSaved("OptionInfoList[\"WIDTH\"] = 800\r\n");
  Put("savedata\\OptionInfo.lub", chunk);
  EXPECT_EQ(800, g_scriptHost.GetSavedOption("WIDTH", 1));
  Put("savedata\\OptionInfo.lub", "OptionInfoList[\"WIDTH\"] = 1280\r\n");
  EXPECT_EQ(800, g_scriptHost.GetSavedOption("WIDTH", 1));
  // The client's own files still load precompiled.
  Put(kDefaults + ".lub", chunk);
  EXPECT_EQ(1600, g_scriptHost.GetDefaultOption("WIDTH"));
}

TEST_F(DataFiles, AHashFirstLineIsSkipped) {
  PutMessages("#!this line is no Lua\nSetupMSG = { ISOK = 'Save?' }\n");
  EXPECT_STREQ("Save?", g_scriptHost.GetMessage("ISOK"));
}

// The client's Lua reads source through the C runtime's text mode, which ends a file at its
// first 0x1A; a precompiled chunk is read in binary, 0x1A bytes and all.
TEST_F(DataFiles, ACtrlZEndsSourceButNotAChunk) {
  PutSaved("-- pasted \x1a here\r\nOptionInfoList[\"WIDTH\"] = 800\r\n");
  EXPECT_EQ(1, g_scriptHost.GetSavedOption("WIDTH", 1));
  PutMessages("SetupMSG = { ISOK = 'Save?' }\r\n\x1a and then no Lua at all");
  EXPECT_STREQ("Save?", g_scriptHost.GetMessage("ISOK"));
  const std::string chunk = Precompile("SetupMSG = { ISOK = 'Ctrl-Z \\26 inside' }");
  ASSERT_NE(std::string::npos, chunk.find('\x1a'));
  Put(kMessages + ".lub", chunk);
  EXPECT_STREQ("Ctrl-Z \x1a inside", g_scriptHost.GetMessage("ISOK"));
}

TEST_F(DataFiles, WithoutASavedFileTheClientsDefaultsAnswer) {
  EXPECT_EQ(7, g_scriptHost.GetSavedOption("WIDTH", 7));
  PutDefaults("OptionInfoList = { WIDTH = 1024 } CmdOnOffList = { ['/fog'] = 1 }");
  EXPECT_EQ(1024, g_scriptHost.GetSavedOption("WIDTH", 7));
  EXPECT_EQ(1, g_scriptHost.GetSavedCommand("/fog", 0));
  EXPECT_EQ(7, g_scriptHost.GetSavedOption("HEIGHT", 7));
  EXPECT_EQ(1024, g_scriptHost.GetDefaultOption("WIDTH"));
  EXPECT_EQ(0, g_scriptHost.GetDefaultOption("HEIGHT"));
}

TEST_F(DataFiles, TheSavedFileFallsBackPerFileNotPerKey) {
  PutDefaults("OptionInfoList = { WIDTH = 1024, HEIGHT = 768 }");
  PutSaved("OptionInfoList[\"WIDTH\"] = 800\r\n");
  EXPECT_EQ(800, g_scriptHost.GetSavedOption("WIDTH", 1));
  EXPECT_EQ(1, g_scriptHost.GetSavedOption("HEIGHT", 1));
  // Not compiling: the defaults serve.
  PutSaved("this is not Lua\r\nOptionInfoList[\"WIDTH\"] = 800\r\n");
  EXPECT_EQ(1024, g_scriptHost.GetSavedOption("WIDTH", 1));
  // Compiling but failing when run: the caller's value, and the defaults are not asked.
  PutSaved("OptionInfoList[\"WIDTH\"] = 800\r\nx = undefined.field\r\n");
  EXPECT_EQ(1, g_scriptHost.GetSavedOption("WIDTH", 1));
  EXPECT_EQ(1, g_scriptHost.GetSavedOption("HEIGHT", 1));
}

}  // namespace
