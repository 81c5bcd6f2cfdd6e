// The client's 32-bit chunks re-laid for this build: sound ones give the source's values,
// malformed ones are left as they are, to be refused.
#include <gtest/gtest.h>

#include <stdint.h>

#include <string>
#include <vector>

#include "ScriptFolder.h"
#include "script/CScriptHost.h"
#include "script/ChunkLayout.h"

namespace {

using ChunkLayout = ScriptFolder;

// Nested functions with upvalues and locals, strings with a NUL and a Ctrl-Z, numbers, booleans.
const char kSource[] =
    "local function Join(a, ...)\n"
    "  local sep = '\\26-'\n"
    "  local function With(b) return a .. sep .. b end\n"
    "  return With(#{...})\n"
    "end\n"
    "local yes, no, nothing = true, false, nil\n"
    "SetupMSG = { ISOK = Join('Save', 1, 2), Mode = '' .. (0.5 + 2^40),\n"
    "             Device = (yes and not no and nothing == nil) and 'true' or 'false',\n"
    "             Sprite = '' .. #'a\\0b' }\n";

std::string Int32(uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
  return bytes;
}

// A 32-bit chunk of functions without code nested `depth` deep.
std::string NestedFunctions(int depth) {
  // No source name, lines 0 to 0, no upvalues or parameters, vararg, 2 registers, no code or
  // constants; then the nested functions, and no lines, locals or upvalue names.
  const std::string head =
      Int32(0) + Int32(0) + Int32(0) + std::string("\0\0\x02\x02", 4) + Int32(0) + Int32(0);
  std::string chunk("\x1bLuaQ\0\x01\x04\x04\x04\x08\0", 12);
  for (int level = depth; level >= 0; --level) chunk += head + Int32(level > 0 ? 1 : 0);
  for (int level = depth; level >= 0; --level) chunk += Int32(0) + Int32(0) + Int32(0);
  return chunk;
}

TEST_F(ChunkLayout, AClientChunkGivesTheSourcesValues) {
  const std::string client = Precompile(kSource);
  const std::string wide = Precompile(kSource, 8);
  ASSERT_EQ(4, client[8]);
  ASSERT_EQ(8, wide[8]);
  // Each layout re-lays to the other byte for byte; this build's own dump is one of them.
  EXPECT_EQ(client, ChunkWithSizeWidth(wide, 4));
  EXPECT_EQ(wide, ChunkWithSizeWidth(client, 8));
  EXPECT_EQ(sizeof(size_t) == 8 ? wide : client, NativeChunk(client));

  Put(kMessages + ".lub", client);
  EXPECT_STREQ("Save\x1a-2", g_scriptHost.GetMessage("ISOK"));
  EXPECT_STREQ("1099511627776.5", g_scriptHost.GetMessage("Mode"));
  EXPECT_STREQ("true", g_scriptHost.GetMessage("Device"));
  EXPECT_STREQ("3", g_scriptHost.GetMessage("Sprite"));
}

TEST_F(ChunkLayout, AForgedClientChunkIsLeftToBeRefused) {
  PutMessages("SetupMSG = { ISOK = 'source' }");
  const std::string client = Precompile("SetupMSG = { ISOK = 'compiled' }");
  ASSERT_EQ(std::string("=source\0", 8), client.substr(16, 8));
  const size_t kNameLength = 12, kCodeCount = 36;
  const std::string nested = NestedFunctions(100);
  ASSERT_NE(nested, ChunkWithSizeWidth(nested, 8));
  std::vector<std::string> forged = {NestedFunctions(100000)};
  for (uint32_t count : {0x7fffffffu, 0x80000000u, 0xffffffffu}) {
    for (size_t at : {kNameLength, kCodeCount})
      forged.push_back(client.substr(0, at) + Int32(count) + client.substr(at + 4));
  }
  for (const std::string& chunk : forged) {
    EXPECT_EQ(chunk, ChunkWithSizeWidth(chunk, 8));
    Put(kMessages + ".lub", chunk);
    EXPECT_STREQ("source", g_scriptHost.GetMessage("ISOK"));
  }
}

}  // namespace
