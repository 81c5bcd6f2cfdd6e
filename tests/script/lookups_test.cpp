// What a lookup answers for each kind of value, and that every run starts afresh.
#include <gtest/gtest.h>

#include <limits.h>

#include <string>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"

namespace {

using Lookups = ScriptFolder;

TEST_F(Lookups, NumbersTruncateTowardZeroAndSaturate) {
  PutDefaults(
      "OptionInfoList = { a = 2.9, b = -2.9, c = 1e300, d = -1e300, e = 0/0,"
      " f = 2147483647.9, g = -2147483648.5, h = 1/0 }");
  EXPECT_EQ(2, g_scriptHost.GetDefaultOption("a"));
  EXPECT_EQ(-2, g_scriptHost.GetDefaultOption("b"));
  EXPECT_EQ(INT_MAX, g_scriptHost.GetDefaultOption("c"));
  EXPECT_EQ(INT_MIN, g_scriptHost.GetDefaultOption("d"));
  EXPECT_EQ(0, g_scriptHost.GetDefaultOption("e"));
  EXPECT_EQ(33, g_scriptHost.GetSavedOption("e", 33));  // NaN: the caller's default
  EXPECT_EQ(INT_MAX, g_scriptHost.GetDefaultOption("f"));
  EXPECT_EQ(INT_MIN, g_scriptHost.GetDefaultOption("g"));
  EXPECT_EQ(INT_MAX, g_scriptHost.GetDefaultOption("h"));
}

TEST_F(Lookups, OnlyRealNumbersAndTablesCount) {
  PutSaved("OptionInfoList = { WIDTH = '800', HEIGHT = true, [1] = 5 } CmdOnOffList = 3");
  EXPECT_EQ(-5, g_scriptHost.GetSavedOption("WIDTH", -5));
  EXPECT_EQ(-5, g_scriptHost.GetSavedOption("HEIGHT", -5));
  EXPECT_EQ(-5, g_scriptHost.GetSavedOption("1", -5));  // string keys only
  EXPECT_EQ(-5, g_scriptHost.GetSavedCommand("/fog", -5));
  PutDefaults("SomeOtherTable = { WIDTH = 1 }");
  EXPECT_EQ(0, g_scriptHost.GetDefaultOption("WIDTH"));
}

TEST_F(Lookups, AChunkThatFailsAfterAssigningYieldsDefaults) {
  PutDefaults("OptionInfoList = { WIDTH = 800 } print('hello')");
  EXPECT_EQ(0, g_scriptHost.GetDefaultOption("WIDTH"));
  PutMessages("SetupMSG = { ISOK = 'Save?' } error()");
  EXPECT_STREQ("", g_scriptHost.GetMessage("ISOK"));
}

TEST_F(Lookups, EachRunStartsWithFreshTablesAndReadsTheDisk) {
  PutSaved("OptionInfoList[\"WIDTH\"] = 800\r\n");
  EXPECT_EQ(800, g_scriptHost.GetSavedOption("WIDTH", 1));
  PutSaved("OptionInfoList[\"HEIGHT\"] = 600\r\n");
  EXPECT_EQ(1, g_scriptHost.GetSavedOption("WIDTH", 1));
  EXPECT_EQ(600, g_scriptHost.GetSavedOption("HEIGHT", 1));
  PutMessages("SetupMSG['ISOK'] = 'one'");
  EXPECT_STREQ("one", g_scriptHost.GetMessage("ISOK"));
  PutMessages("SetupMSG['Mode'] = 'two'");
  EXPECT_STREQ("", g_scriptHost.GetMessage("ISOK"));
}

TEST_F(Lookups, MessagesAreTextsCutAtNulAndKeptUntilTheNextSuccess) {
  PutMessages("SetupMSG = { ISOK = 'ab\\0cd', Mode = 12, Device = '\\128\\129' }");
  const char* text = g_scriptHost.GetMessage("ISOK");
  EXPECT_STREQ("ab", text);
  EXPECT_STREQ("", g_scriptHost.GetMessage("Mode"));
  EXPECT_STREQ("", g_scriptHost.GetMessage("missing"));
  EXPECT_STREQ("ab", text);  // failed lookups leave the held text alone
  EXPECT_STREQ("\x80\x81", g_scriptHost.GetMessage("Device"));
}

TEST_F(Lookups, LookupsLeaveNothingOnTheStack) {
  PutDefaults("OptionInfoList = { WIDTH = 800 }");
  // Far more lookups than a Lua stack has free slots: a leaked slot per lookup would overflow.
  for (int i = 0; i < 500; ++i) ASSERT_EQ(800, g_scriptHost.GetDefaultOption("WIDTH"));
}

}  // namespace
