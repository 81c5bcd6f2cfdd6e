// Hostile data files: runs that never end or eat memory are stopped, and the host recovers.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"

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
    EXPECT_LT(GetTickCount() - start, 15000u);
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

TEST_F(Bounds, ATenMegabyteFileOfAssignmentsStaysWithinThem) {
  std::string saved;
  while (saved.size() < 10u * 1024 * 1024) saved += "OptionInfoList[\"WIDTH\"] = 640\r\n";
  PutSaved(saved + "OptionInfoList[\"WIDTH\"] = 1600\r\n");
  EXPECT_EQ(1600, g_scriptHost.GetSavedOption("WIDTH", 0));
}

}  // namespace
