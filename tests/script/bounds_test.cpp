// Hostile data files: runs that never end or eat memory are stopped, and the host recovers.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"
#include "script/ScriptPlatform.h"

namespace {

class Bounds : public ScriptFolder {
 protected:
  void SetUp() override {
    ScriptFolder::SetUp();
    PutMessages("SetupMSG = { ISOK = 'still here' }");
  }
  void ExpectDefaultQuickly(const char* saved) {
    PutSaved(saved);
    const DWORD start = GetTickCount();
    EXPECT_EQ(42, g_scriptHost.GetSavedOption("WIDTH", 42));
    EXPECT_LT(GetTickCount() - start, CScriptHost::kRunTimeBudgetMs + 5000);
    EXPECT_STREQ("still here", g_scriptHost.GetMessage("ISOK"));
    // Whatever the run left behind is gone once the next lookup has run.
    EXPECT_LT(g_scriptHost.MemoryInUse(), 1024u * 1024u);
  }
};

TEST_F(Bounds, AnEndlessLoopIsStopped) {
  ExpectDefaultQuickly("OptionInfoList[\"WIDTH\"] = 1 while true do end");
}

TEST_F(Bounds, AStringThatDoublesForeverIsStopped) {
  ExpectDefaultQuickly("bomb = 'x' while true do bomb = bomb .. bomb end");
}

TEST_F(Bounds, ATableThatGrowsForeverIsStopped) {
  ExpectDefaultQuickly(
      "keep = {} local i = 1 while true do keep[i] = { i, i, i, i, i, i, i, i } i = i + 1 end");
}

TEST_F(Bounds, GarbageLeftAtTheCeilingIsStillReclaimed) {
  ExpectDefaultQuickly("local t = {} while true do t = { t, t } end");
}

TEST_F(Bounds, DeepRecursionIsARunError) {
  ExpectDefaultQuickly("local function f() return 1 + f() end OptionInfoList.WIDTH = f()");
}

// Little memory held at any time, but ever more copied: stopped by the bytes it asks for.
TEST_F(Bounds, AStringGrownByCopyingIsStopped) {
  ExpectDefaultQuickly("local s = '' while true do s = s .. '0123456789' end");
}

// Lua 5.1 compiles a long elseif chain in quadratic time, before anything runs: compiling is
// part of the bounded run, and a file whose compile ran out of time does not load.
TEST_F(Bounds, ACompileThatTakesTooLongFails) {
  PutDefaults("OptionInfoList = { WIDTH = 640 }");
  std::string bomb = "local x = 0 if x == 1 then";
  for (int i = 0; i < 100000; ++i) bomb += " elseif x == 2 then";
  PutSaved(bomb + " end OptionInfoList[\"WIDTH\"] = 800\r\n");
  const DWORD start = GetTickCount();
  EXPECT_EQ(640, g_scriptHost.GetSavedOption("WIDTH", 42));  // as a file that does not load
  EXPECT_LT(GetTickCount() - start, CScriptHost::kRunTimeBudgetMs + 3000);
}

// One bounded run per file: its later lookups answer as the stopped run did, at once.
TEST_F(Bounds, AFileStoppedOnceIsNotRunAgain) {
  PutSaved("OptionInfoList[\"WIDTH\"] = 1 local t = {} while true do t = { t, t } end");
  EXPECT_EQ(42, g_scriptHost.GetSavedOption("WIDTH", 42));
  const DWORD start = GetTickCount();
  for (int i = 0; i < 33; ++i) EXPECT_EQ(7, g_scriptHost.GetSavedOption("HEIGHT", 7));
  EXPECT_LT(GetTickCount() - start, 2000u);
  // The same path with other bytes is another file.
  PutSaved("OptionInfoList[\"WIDTH\"] = 800\r\n");
  EXPECT_EQ(800, g_scriptHost.GetSavedOption("WIDTH", 42));
}

TEST_F(Bounds, AFileOfAssignmentsUpToTheSizeLimitStaysWithinThem) {
  std::string saved;
  while (saved.size() < kDataFileSizeLimit - 64) saved += "OptionInfoList[\"WIDTH\"] = 640\r\n";
  PutSaved(saved + "OptionInfoList[\"WIDTH\"] = 1600\r\n");
  EXPECT_EQ(1600, g_scriptHost.GetSavedOption("WIDTH", 0));
}

}  // namespace
