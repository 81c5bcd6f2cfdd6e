// Hostile data files: runs that never end or eat memory are stopped, and the host recovers. Its
// clock is the test's, which moves on by g_stepMs at each reading.
#include <gtest/gtest.h>

#include <string>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"

namespace {

unsigned long g_nowMs = 0;
unsigned long g_stepMs = 0;

unsigned long TestClock() { return g_nowMs += g_stepMs; }

class Bounds : public ScriptFolder {
 protected:
  void SetUp() override {
    ScriptFolder::SetUp();
    g_nowMs = g_stepMs = 0;
    PutMessages("SetupMSG = { ISOK = 'still here' }");
  }
  CScriptHost m_host{TestClock};
};

// With the clock standing still, each runaway is stopped by its own bound.
TEST_F(Bounds, RunawaysAreStoppedAndTheHostRecovers) {
  for (const char* runaway : {
           "OptionInfoList[\"WIDTH\"] = 1 while true do end",
           "bomb = 'x' while true do bomb = bomb .. bomb end",
           "keep = {} local i = 1 while true do keep[i] = { i, i, i, i, i, i, i, i } i = i + 1 end",
           "local t = {} while true do t = { t, t } end",  // garbage left at the ceiling
           // Little memory held at any time, but ever more copied: the bytes it asks for.
           "local s = '' while true do s = s .. '0123456789' end",
       }) {
    PutSaved(runaway);
    EXPECT_EQ(42, m_host.GetSavedOption("WIDTH", 42)) << runaway;
    EXPECT_STREQ("still here", m_host.GetMessage("ISOK")) << runaway;
    // Whatever the run left behind is gone once the next lookup has run.
    EXPECT_LT(m_host.MemoryInUse(), 1024u * 1024u) << runaway;
  }
}

// Compiling is part of the run (Lua 5.1 compiles a long elseif chain in quadratic time), and a
// file whose compile ran out of time does not load. A file stopped once is not run again.
TEST_F(Bounds, RunsAndCompilesLongerThanTheirTimeAreStoppedOnce) {
  PutDefaults("OptionInfoList = { WIDTH = 640 }");
  // Half the instructions allowed: only the clock can stop it.
  PutSaved("for i = 1, 10000000 do end OptionInfoList[\"WIDTH\"] = 800\r\n");
  EXPECT_EQ(800, m_host.GetSavedOption("WIDTH", 42));
  g_stepMs = 1;  // at each thousand instructions
  EXPECT_EQ(42, m_host.GetSavedOption("WIDTH", 42));
  const unsigned long stoppedAt = g_nowMs;
  for (int i = 0; i < 33; ++i) EXPECT_EQ(7, m_host.GetSavedOption("HEIGHT", 7));
  EXPECT_LT(g_nowMs - stoppedAt, 1000u);  // as the stopped run ended, at once
  // The same path with other bytes is another file.
  std::string saved;
  while (saved.size() < 1024 * 1024) saved += "OptionInfoList[\"WIDTH\"] = 1024\r\n";
  PutSaved(saved);
  g_stepMs = 0;
  EXPECT_EQ(1024, m_host.GetSavedOption("WIDTH", 42));
  g_stepMs = 10;                                       // at each of its thousand pieces, at least
  EXPECT_EQ(640, m_host.GetSavedOption("WIDTH", 42));  // as a file that does not load
}

// At start-up no run takes more than a third of the budget; once it is spent every lookup answers
// as a failed run, and the player is told of each file cut short.
TEST_F(Bounds, StartUpsLookupsShareOneBudget) {
  const std::string slow = "for i = 1, 2000000 do end ";  // two seconds at 1 ms a reading
  PutSaved(slow + "OptionInfoList[\"WIDTH\"] = 800\r\n");
  PutMessages(slow + "SetupMSG = { ISOK = 'still here' }");
  PutDefaults("OptionInfoList = { WIDTH = 640 }");
  g_stepMs = 1;
  EXPECT_EQ(800, m_host.GetSavedOption("WIDTH", 42));
  m_host.StartBudget();
  const unsigned long start = g_nowMs;
  EXPECT_EQ(42, m_host.GetSavedOption("WIDTH", 42));
  EXPECT_LT(g_nowMs - start, StartupBudget::kBudgetMs / 3 + 100);
  EXPECT_STREQ("", m_host.GetMessage("ISOK"));
  g_stepMs = 300;  // a busy machine
  EXPECT_EQ(0, m_host.GetDefaultOption("WIDTH"));
  m_host.EndBudget();
  EXPECT_EQ(42, m_host.GetSavedOption("WIDTH", 42));  // cut short: not read again
  ASSERT_EQ(3u, m_host.UnreadFiles().size());
  EXPECT_EQ("savedata\\OptionInfo.lua", m_host.UnreadFiles()[0].path);
  EXPECT_EQ(kMessages + ".lua", m_host.UnreadFiles()[1].path);
  EXPECT_EQ("", m_host.UnreadFiles()[2].path);  // not read at all
}

TEST_F(Bounds, AFileOfAssignmentsUpToTheSizeLimitStaysWithinThem) {
  std::string saved;
  while (saved.size() < kDataFileSizeLimit - 64) saved += "OptionInfoList[\"WIDTH\"] = 640\r\n";
  PutSaved(saved + "OptionInfoList[\"WIDTH\"] = 1600\r\n");
  EXPECT_EQ(1600, m_host.GetSavedOption("WIDTH", 0));
}

}  // namespace
