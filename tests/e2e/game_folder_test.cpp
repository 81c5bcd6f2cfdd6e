// Whatever the game folder holds, nothing is lost: saved files that are compiled, locked, cut
// by a Ctrl-Z, full of NULs, commented out in blocks, split by CRs only, endless, slow to
// compile, in Unicode, or on a full disk. The player is told once what could not be read or
// saved, and whatever the program writes the client's Lua loads.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdint.h>

#include <string>

#include "ClientLua.h"
#include "GameTexts.h"
#include "SessionData.h"
#include "SessionFixture.h"
#include "SheetProbe.h"
#include "ui/resource.h"

namespace e2e {
namespace {

const wchar_t kOptionFile[] = L"savedata\\OptionInfo.lua";

class E2eGameFolder : public SessionFixture {
 protected:
  void SetUp() override { UseTestClientDefaults(); }
  void SaveAndEnd(SetupWindow* w) {
    ASSERT_TRUE(w->OkAndConfirm(true)) << "no \"Setup\" confirmation";
    EXPECT_EQ(0u, WaitForEnd());
  }
  std::string OptionFile() { return Game().ReadFileBytes(kOptionFile); }
  ClientRead SavedAsClient() { return ReadAsClient(Game().PathOf(kOptionFile)); }
};

void Append32(std::string& bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>(value >> (8 * i));
}

// A 60-byte Lua 5.1 chunk that passes the loader's verifier and then runs past the end of its
// own code: LOADBOOL 0 0 2 skips the RETURN behind it.
std::string CraftedChunk() {
  std::string chunk("\x1bLuaQ\0\x01\x04\x04\x04\x08\0", 12);
  Append32(chunk, 0);                       // no source name
  Append32(chunk, 0);                       // first line
  Append32(chunk, 0);                       // last line
  chunk += std::string("\0\0\x02\x02", 4);  // upvalues, parameters, vararg, stack size
  Append32(chunk, 2);                       // two instructions:
  Append32(chunk, 0x00008002);              // LOADBOOL 0 0 2
  Append32(chunk, 0x0080001E);              // RETURN 0 1
  for (int list = 0; list < 5; ++list)      // constants, functions, lines, locals, upvalues
    Append32(chunk, 0);
  return chunk;
}

TEST_F(E2eGameFolder, ACompiledSavedFileIsNeverRunAndASaveWritesSource) {
  const std::string chunk = CraftedChunk();
  ASSERT_EQ(60u, chunk.size());
  Game().WriteFileBytes(kOptionFile, chunk);
  std::wstring notice;
  SetupWindow* w = OpenSheetAfterNotice(&notice);
  ASSERT_NE(nullptr, w) << "no start-up notice, or no sheet after it";
  EXPECT_NE(std::wstring::npos, notice.find(L"compiled Lua code")) << ToAnsi(notice);
  SaveAndEnd(w);
  // The client's defaults were shown and saved; the file is source the client loads.
  EXPECT_EQ(kDefaultFile, OptionFile());
  EXPECT_TRUE(SavedAsClient().runs);
}

}  // namespace
}  // namespace e2e
