// A game installed under "Program Files" whose client, an old program without a manifest, had
// its registry writes virtualized: the player's choices must reach the client's own copy.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "GameRegistry.h"
#include "SessionFixture.h"
#include "SheetProbe.h"
#include "ui/resource.h"

namespace e2e {
namespace {

std::wstring ProgramFilesFolder() {
  // A 32-bit program is told the 32-bit one ("Program Files (x86)" on 64-bit Windows).
  wchar_t folder[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"ProgramFiles", folder, MAX_PATH);
  return folder;
}

class E2eVirtualStore : public SessionFixture {};

TEST_F(E2eVirtualStore, TheClientsCopyOfTheGameKeyIsShownAndSavedWithTheRealKey) {
  const std::wstring programFiles = ProgramFilesFolder();
  ASSERT_NE(std::wstring::npos, programFiles.find(L"Program Files"));
  PlaceGameIn(programFiles);
  Game();
  // The real key as an earlier run of the program left it; the client has since switched the
  // sound off, which Windows kept in the client's copy.
  WriteDword(kGameKey, "SOUNDMODE", 1);
  const std::string copy = VirtualizedGameKey();
  WriteDword(copy.c_str(), "SOUNDMODE", 0, HKEY_CURRENT_USER, kVirtualizedView);

  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  HWND noSound = w->SystemControl(IDC_NO_SOUND);
  EXPECT_EQ(1, CheckOf(noSound)) << "the client's own value is not shown";
  ASSERT_TRUE(w->Toggle(noSound));
  ASSERT_TRUE(w->OkAndConfirm(true));
  EXPECT_EQ(0u, WaitForEnd());

  EXPECT_EQ(1u,
            ReadDword(copy.c_str(), "SOUNDMODE", 0xFFFFFFFFu, HKEY_CURRENT_USER, kVirtualizedView));
  for (const char* name : kGameValues) {
    const RegValue real = ReadValue(kGameKey, name);
    const RegValue client = ReadValue(copy.c_str(), name, HKEY_CURRENT_USER, kVirtualizedView);
    EXPECT_TRUE(real.found) << name;
    EXPECT_EQ(real.type, client.type) << name;
    EXPECT_EQ(real.bytes, client.bytes) << name;
  }
}

}  // namespace
}  // namespace e2e
