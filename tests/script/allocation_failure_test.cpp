// A C++ allocation that fails during a lookup never unwinds through Lua's C frames: the
// lookup answers its default and Lua's own error handling still lands in live frames.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <new>
#include <string>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"

namespace {

// The n-th allocation from now throws; 0 disarms. Only this test arms it.
int g_failAt = 0;

}  // namespace

void* operator new(size_t size) {
  if (g_failAt > 0 && --g_failAt == 0)
    throw std::bad_alloc();
  if (void* block = malloc(size ? size : 1))
    return block;
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { free(block); }
void operator delete(void* block, size_t) noexcept { free(block); }

namespace {

using AllocationFailure = ScriptFolder;

TEST_F(AllocationFailure, EveryFailingAllocationOfALookupGivesItsDefault) {
  PutMessages("SetupMSG = { ISOK = 'a message long enough to need the heap' }");
  PutDefaults("OptionInfoList = { WIDTH = 800 }");
  PutSaved("OptionInfoList[\"WIDTH\"] = 1024\r\nerror('stop')\r\n");
  // Each of a lookup's first allocations fails in turn, more often than Lua's limit of 200
  // nested C calls: an exception that skipped Lua's frames would leave the call depth raised
  // each time, until every call failed.
  for (int round = 0; round < 250; ++round) {
    for (int n = 1; n <= 10; ++n) {
      g_failAt = n;
      const char* text = g_scriptHost.GetMessage("ISOK");
      const int width = g_scriptHost.GetDefaultOption("WIDTH");
      g_failAt = 0;
      ASSERT_TRUE(text[0] == '\0' || std::string(text) == "a message long enough to need the heap")
          << "allocation " << n;
      ASSERT_TRUE(width == 0 || width == 800) << "allocation " << n << ": " << width;
    }
  }
  // A run that raises, then plain lookups: Lua's error handling is still sound.
  EXPECT_EQ(7, g_scriptHost.GetSavedOption("WIDTH", 7));
  EXPECT_EQ(800, g_scriptHost.GetDefaultOption("WIDTH"));
  EXPECT_STREQ("a message long enough to need the heap", g_scriptHost.GetMessage("ISOK"));
}

}  // namespace
