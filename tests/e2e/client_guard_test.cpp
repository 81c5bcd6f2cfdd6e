// The game client's window keeps the setup program from loading or writing anything.
#include <gtest/gtest.h>

#include "GameRegistry.h"
#include "GameSession.h"
#include "GameTexts.h"
#include "PlayerInput.h"
#include "SheetProbe.h"

namespace e2e {
namespace {

// A top-level window of the driver standing in for the running game client.
class FakeClientWindow {
 public:
  FakeClientWindow(const wchar_t* className, const wchar_t* title) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    m_hwnd = CreateWindowExW(0, className, title, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                             wc.hInstance, nullptr);
  }
  ~FakeClientWindow() { DestroyWindow(m_hwnd); }
  HWND Handle() const { return m_hwnd; }

 private:
  HWND m_hwnd;
};

std::wstring BoxText(HWND box) {
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) == L"Static" && !TextOf(c).empty())
      return TextOf(c);
  }
  return std::wstring();
}

// Runs the program without a client window: whatever it shows is closed with Cancel.
DWORD RunAndCancel(GameSession& game) {
  EXPECT_TRUE(game.Start());
  if (HWND sheet = game.WaitForSheet()) {
    HWND cancel = ChildById(sheet, IDCANCEL);
    EXPECT_NE(nullptr, cancel);
    ClickWindow(cancel);
  }
  DWORD code = 0xFFFFFFFFu;
  EXPECT_TRUE(game.WaitForExit(20000, &code)) << "the program did not end";
  return code;
}

TEST(E2eClientGuard, ShowsTheNoticeAndWritesNothingWhileTheClientRuns) {
  FakeClientWindow client(L"Tessaril", L"Tessaril");
  ASSERT_NE(nullptr, client.Handle());
  GameSession game("guard-client-running");
  const std::string before = game.Inventory();
  ASSERT_TRUE(game.Start());

  HWND box = game.WaitForBox(L"Message");
  ASSERT_NE(nullptr, box) << "no \"Message\" box";
  const std::wstring notice = MessageText(game.Folder(), "alreadyclient");
  ASSERT_FALSE(notice.empty()) << "the demo message file has no \"alreadyclient\" text";
  EXPECT_EQ(notice, BoxText(box));
  EXPECT_TRUE(game.Running()) << "the notice must wait for the player";
  // Dismissed the way a player does: a click on its OK button.
  HWND ok = ChildById(box, IDOK);
  ASSERT_NE(nullptr, ok);
  ClickWindow(ok);

  DWORD code = 0xFFFFFFFFu;
  ASSERT_TRUE(game.WaitForExit(15000, &code)) << "the program did not end after the notice";
  EXPECT_EQ(0u, code);
  EXPECT_EQ(nullptr, FindWindowW(L"#32770", L"Tessaril Setup"));
  EXPECT_FALSE(KeyExists(kGameKey));
  EXPECT_FALSE(KeyExists(kSetupKey));
  EXPECT_EQ(before, game.Inventory()) << "a file of the game folder was touched";
}

TEST(E2eClientGuard, StartsAndEndsCleanlyWithoutTheClient) {
  GameSession game("guard-no-client");
  EXPECT_EQ(0u, RunAndCancel(game));
  // Past the guard the program has made its setup key.
  EXPECT_TRUE(KeyExists(kSetupKey));
}

TEST(E2eClientGuard, OnlyAWindowMatchingBothClassAndTitleCounts) {
  FakeClientWindow otherTitle(L"Tessaril", L"Tessaril Launcher");
  FakeClientWindow otherClass(L"TessarilPatcher", L"Tessaril");
  GameSession game("guard-near-misses");
  EXPECT_EQ(0u, RunAndCancel(game));
  EXPECT_TRUE(KeyExists(kSetupKey)) << "the program stopped at the guard";
}

}  // namespace
}  // namespace e2e
