// The fixture's start and clean end of a run.
#include "SessionFixture.h"

#include <stdlib.h>
#include <string.h>

#include "PlayerInput.h"
#include "SessionData.h"
#include "SheetProbe.h"

namespace e2e {

GameSession& SessionFixture::Game() {
  if (!m_game) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Another profile's run of the same test goes on beside this one: a folder of its own.
    const char* profile = getenv("TESSARIL_PROFILE");
    const std::string suffix =
        profile && *profile && strcmp(profile, "korean") ? std::string(".") + profile : "";
    m_game.reset(new GameSession(std::string(info->test_suite_name()) + "." + info->name() + suffix,
                                 m_parent));
  }
  return *m_game;
}

void SessionFixture::UseTestClientDefaults() {
  // A compiled ".lub" would be read before the ".lua".
  DeleteFileW(Game().PathOf(L"System\\LuaFiles514\\OptionInfo.lub").c_str());
  Game().WriteFileBytes(L"System\\LuaFiles514\\OptionInfo.lua", kClientDefaults);
}

SetupWindow* SessionFixture::OpenSheet() {
  m_window.reset();
  if (!Game().Start())
    return nullptr;
  return OpenedSheet();
}

SetupWindow* SessionFixture::OpenSheetAfterNotice(std::wstring* notice) {
  m_window.reset();
  notice->clear();
  if (!Game().Start())
    return nullptr;
  HWND box = Game().WaitForBox(L"Setup");
  if (!box)
    return nullptr;
  *notice = BoxText(box);
  ClickWindow(ChildById(box, IDOK));
  return OpenedSheet();
}

SetupWindow* SessionFixture::OpenedSheet() {
  HWND sheet = Game().WaitForSheet();
  if (sheet)
    m_window.reset(new SetupWindow(Game(), sheet));
  return m_window.get();
}

DWORD SessionFixture::WaitForEnd() {
  DWORD code = 0xFFFFFFFFu;
  EXPECT_TRUE(Game().WaitForExit(20000, &code)) << "the program did not end";
  return code;
}

void SessionFixture::TearDown() {
  if (m_game && m_window && m_game->Running() && IsWindow(m_window->Sheet())) {
    m_window->ClickButton(IDCANCEL);
    DWORD code = 0;
    m_game->WaitForExit(15000, &code);
  }
}

}  // namespace e2e
