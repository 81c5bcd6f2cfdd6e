// The demo game folder answers every lookup the program makes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "ScriptFolder.h"
#include "script/CScriptHost.h"
#include "settings/NameTable.h"

namespace {

using DemoGame = ScriptFolder;

// The keys of SetupMSG, as a Lua state of the test's own finds them in the source.
std::vector<std::string> MessageKeys(const std::string& source) {
  lua_State* L = luaL_newstate();
  std::vector<std::string> keys;
  if (luaL_loadbuffer(L, source.data(), source.size(), "=MsgString") == 0 &&
      lua_pcall(L, 0, 0, 0) == 0) {
    lua_getfield(L, LUA_GLOBALSINDEX, "SetupMSG");
    for (lua_pushnil(L); lua_istable(L, -2) && lua_next(L, -2); lua_pop(L, 1)) {
      if (lua_type(L, -2) == LUA_TSTRING)
        keys.push_back(lua_tostring(L, -2));
    }
  }
  lua_close(L);
  return keys;
}

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

// The client ships its files precompiled by its 32-bit Lua: every tooltip and the confirmation
// read the same from the message file's chunk as from its source.
TEST_F(DemoGame, ThePrecompiledMessagesGiveTheSourcesTexts) {
  std::filesystem::copy(TESSARIL_DEMO_GAME "/System", "System",
                        std::filesystem::copy_options::recursive);
  const std::string source = Get(kMessages + ".lua");
  const std::vector<std::string> keys = MessageKeys(source);
  ASSERT_GE(keys.size(), 30u);
  std::vector<std::string> texts;
  for (const std::string& key : keys) texts.push_back(g_scriptHost.GetMessage(key.c_str()));
  // The chunk alone, so that no fallback to the source can answer.
  Put(kMessages + ".lub", Precompile(source));
  std::filesystem::remove(kMessages + ".lua");
  for (size_t i = 0; i < keys.size(); ++i)
    EXPECT_EQ(texts[i], g_scriptHost.GetMessage(keys[i].c_str())) << keys[i];
}

}  // namespace
