// The demo game folder answers every lookup the program makes.
#include <gtest/gtest.h>

#include <filesystem>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"
#include "settings/NameTable.h"

namespace {

using DemoGame = ScriptFolder;

TEST_F(DemoGame, DefinesEveryMessageAndEveryDefault) {
  std::filesystem::copy(TESSARIL_DEMO_GAME "/System", "System",
                        std::filesystem::copy_options::recursive);
  EXPECT_FALSE(std::filesystem::exists(TESSARIL_DEMO_GAME "/savedata"));  // a first run
  EXPECT_STRNE("", g_scriptHost.GetMessage("ISOK"));
  for (int i = kNameFirstSystemTip; i <= kNameAlreadyClient; ++i)
    EXPECT_STRNE("", g_scriptHost.GetMessage(GetName(i))) << GetName(i);
  // The texts are Korean in code page 949: lead bytes from 0x81 up.
  EXPECT_GE(static_cast<unsigned char>(g_scriptHost.GetMessage("ISOK")[0]), 0x81);
  for (int i = 0; i < kNameOptionKeyCount; ++i) {
    const int unset = -12345;
    const int value = i < kNameFirstCommandKey ? g_scriptHost.GetSavedOption(GetName(i), unset)
                                               : g_scriptHost.GetSavedCommand(GetName(i), unset);
    EXPECT_NE(unset, value) << GetName(i);
    if (i >= kNameFirstCommandKey) {
      EXPECT_TRUE(value == 0 || value == 1) << GetName(i);
    }
  }
  EXPECT_EQ(100, g_scriptHost.GetDefaultOption("Bgm_Volume"));
}

}  // namespace
