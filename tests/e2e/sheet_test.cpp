// The sheet as the player first sees it: caption, button row, focus order, page pictures,
// tooltips and Reset on an opened page.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <stdlib.h>

#include <memory>
#include <vector>

#include "FontProbe.h"
#include "GameSession.h"
#include "GameTexts.h"
#include "PlayerInput.h"
#include "ScreenCapture.h"
#include "SessionData.h"
#include "SessionFixture.h"
#include "SetupWindow.h"
#include "SheetProbe.h"
#include "ShowProbe.h"
#include "Waiting.h"
#include "ui/resource.h"

namespace e2e {
namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// A picture resource of the exe, pixel by pixel (top-down).
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Picture LoadPicture(const std::wstring& exe, int id) {
  Picture pic;
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module)
    return pic;
  HBITMAP bmp = static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP info = {};
  if (bmp && GetObjectW(bmp, sizeof info, &info)) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = info.bmWidth;
    bi.bmiHeader.biHeight = -info.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bmp, 0, info.bmHeight, raw.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    pic.width = info.bmWidth;
    pic.height = info.bmHeight;
    for (DWORD px : raw) pic.pixels.push_back(RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF));
  }
  if (bmp)
    DeleteObject(bmp);
  FreeLibrary(module);
  return pic;
}

// Compares the page's visible background, where no control stands, with the picture drawn at
// (offsetX, 0) on white. Returns the number of differing samples; *artwork counts the samples
// where the picture itself is not white, so that a blank picture cannot pass unnoticed.
int BackgroundMismatches(HWND page, const Picture& pic, int offsetX, int* artwork, int* samples) {
  MoveAway();
  SleepPumping(300);
  const ScreenCapture screen;
  RECT client = {};
  GetClientRect(page, &client);
  std::vector<RECT> controls;
  for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (IsWindowVisible(c))
      controls.push_back(RectInParent(c));
  }
  int mismatches = 0;
  *artwork = *samples = 0;
  for (int y = 0; y < client.bottom; y += 3) {
    for (int x = 0; x < client.right; x += 3) {
      const POINT inPage = {x, y};
      bool covered = false;
      for (const RECT& r : controls) covered = covered || PtInRect(&r, inPage);
      if (covered)
        continue;
      const int px = x - offsetX;
      const bool onPicture = px >= 0 && px < pic.width && y < pic.height;
      const COLORREF expected = onPicture ? pic.At(px, y) : kWhite;
      POINT onScreen = inPage;
      ClientToScreen(page, &onScreen);
      ++*samples;
      if (expected != kWhite)
        ++*artwork;
      if (screen.Pixel(onScreen.x, onScreen.y) != expected)
        ++mismatches;
    }
  }
  return mismatches;
}

// Each test opens the sheet of a fresh first run and leaves it with Cancel.
class E2eSheet : public SessionFixture {
 protected:
  void Open() {
    window_ = OpenSheet();
    ASSERT_NE(nullptr, window_) << "no sheet \"Tessaril Setup\"";
    game_ = &Game();
  }
  GameSession* game_ = nullptr;
  SetupWindow* window_ = nullptr;
};

TEST_F(E2eSheet, ShowsExactlyOkCancelResetInKorean) {
  Open();
  HWND sheet = window_->Sheet();
  EXPECT_EQ(L"Tessaril Setup", TextOf(sheet));
  const std::vector<HWND> buttons = PushButtonsOf(sheet);
  ASSERT_EQ(3u, buttons.size());
  EXPECT_EQ(IDOK, GetDlgCtrlID(buttons[0]));
  EXPECT_EQ(IDCANCEL, GetDlgCtrlID(buttons[1]));
  EXPECT_EQ(IDC_RESET, GetDlgCtrlID(buttons[2]));
  EXPECT_EQ(L"확인", TextOf(buttons[0]));
  EXPECT_EQ(L"취소", TextOf(buttons[1]));
  EXPECT_EQ(L"초기화", TextOf(buttons[2]));
  // Neither Help nor Apply is left, not even hidden.
  EXPECT_EQ(nullptr, ChildById(sheet, IDHELP));
  EXPECT_EQ(nullptr, ChildById(sheet, 0x3021));
  // The tab captions come from the Korean templates.
  EXPECT_EQ(L"시스템", TextOf(window_->Page(0)));
  // The code page this run was meant to have, which the program shares with this driver.
  if (const char* acp = getenv("TESSARIL_E2E_ACP")) {
    EXPECT_EQ(static_cast<UINT>(atoi(acp)), GetACP());
  }
}

// Watched from a hook in the program's thread, set before the program runs: at the moment the
// sheet is first shown, its row is already OK, Cancel and Reset, with OK where it stays.
// (A window search from outside cannot tell: the unfinished frame would last a millisecond.)
TEST_F(E2eSheet, IsNeverVisibleBeforeItsButtonRowIsReworked) {
  ShowWatch watch;
  ASSERT_TRUE(Game().Start(true));
  ASSERT_TRUE(watch.Attach(Game().ThreadId())) << "no hook on the program's thread";
  Game().Resume();
  HWND sheet = Game().WaitForSheet();
  ASSERT_NE(nullptr, sheet);
  m_window.reset(new SetupWindow(Game(), sheet));
  const FirstShow first = watch.Result();
  ASSERT_TRUE(first.seen) << "the hook did not see the sheet shown";
  EXPECT_TRUE(first.reset) << "shown without Reset";
  EXPECT_FALSE(first.help) << "shown with Help";
  const RECT ok = RectInParent(ChildById(sheet, IDOK));
  EXPECT_TRUE(EqualRect(&first.ok, &ok)) << "OK moved after the sheet was shown";
}

TEST_F(E2eSheet, ResetStandsInHelpsPlaceWithTheButtonsFont) {
  Open();
  HWND ok = window_->Button(IDOK), cancel = window_->Button(IDCANCEL);
  HWND reset = window_->Button(IDC_RESET);
  ASSERT_TRUE(ok && cancel && reset);
  const RECT o = RectInParent(ok), c = RectInParent(cancel), r = RectInParent(reset);
  // Same size and row as the standard buttons, one button pitch right of Cancel.
  EXPECT_EQ(o.right - o.left, r.right - r.left);
  EXPECT_EQ(o.bottom - o.top, r.bottom - r.top);
  EXPECT_EQ(o.top, r.top);
  EXPECT_EQ(c.left - o.left, r.left - c.left);
  // The frame put Help's right edge one margin (the tab control's left) from the sheet's right
  // edge; the whole row stands 10 pixels left of that.
  RECT client = {};
  GetClientRect(window_->Sheet(), &client);
  const RECT tab = RectInParent(TabControlOf(window_->Sheet()));
  EXPECT_EQ(client.right - tab.left - 10, r.right);
  // WM_GETFONT from another process reads null here, so the fonts are read inside the program.
  const ControlFont okFont = FontOf(ok), resetFont = FontOf(reset);
  ASSERT_TRUE(okFont.probed && resetFont.probed) << "the font probe did not run";
  EXPECT_TRUE(SameFont(okFont, resetFont))
      << "OK: " << ToAnsi(okFont.font.lfFaceName) << " " << okFont.font.lfHeight
      << ", Reset: " << ToAnsi(resetFont.font.lfFaceName) << " " << resetFont.font.lfHeight;
  EXPECT_TRUE(SameFont(okFont, FontOf(cancel)));
  // The probe tells fonts apart: the page's boxes use the template's font.
  EXPECT_FALSE(SameFont(okFont, FontOf(window_->SystemControl(IDC_NO_SOUND))));
  const LONG style = GetWindowLongW(reset, GWL_STYLE);
  EXPECT_FALSE(style & WS_TABSTOP);
  EXPECT_NE(BS_DEFPUSHBUTTON, style & 0xF);
}

TEST_F(E2eSheet, TabNeverFocusesReset) {
  Open();
  HWND reset = window_->Button(IDC_RESET);
  ASSERT_NE(nullptr, reset);
  SetForegroundWindow(window_->Sheet());
  bool sawOk = false, sawCancel = false;
  for (int i = 0; i < 30; ++i) {
    PressKey(VK_TAB);
    HWND focus = FocusOf(game_->ThreadId());
    EXPECT_NE(reset, focus) << "after " << i + 1 << " presses of Tab";
    sawOk = sawOk || focus == window_->Button(IDOK);
    sawCancel = sawCancel || focus == window_->Button(IDCANCEL);
  }
  // The walk did pass the button row.
  EXPECT_TRUE(sawOk);
  EXPECT_TRUE(sawCancel);
}

TEST_F(E2eSheet, PagePicturesStartAtTheirOffsets) {
  Open();
  const std::wstring exe = game_->PathOf(L"TessarilSetup.exe");
  const Picture system = LoadPicture(exe, IDB_SYSTEM_BACK);
  const Picture option = LoadPicture(exe, IDB_OPTION_BACK);
  ASSERT_EQ(573, system.width);
  ASSERT_EQ(437, system.height);
  ASSERT_EQ(514, option.width);
  ASSERT_EQ(437, option.height);

  int artwork = 0, samples = 0;
  SaveScreenshot("system-page");
  EXPECT_EQ(0, BackgroundMismatches(window_->Page(0), system, 0, &artwork, &samples))
      << "of " << samples << " samples";
  EXPECT_GT(artwork, 50) << "the System picture shows no artwork where the page is bare";

  HWND page = window_->OpenTab(1);
  ASSERT_NE(nullptr, page);
  SaveScreenshot("option-page");
  EXPECT_EQ(0, BackgroundMismatches(page, option, 25, &artwork, &samples))
      << "of " << samples << " samples";
  EXPECT_GT(artwork, 50) << "the Option picture shows no artwork where the page is bare";
  // Drawn at 0 instead, the same picture would not match.
  EXPECT_GT(BackgroundMismatches(page, option, 0, &artwork, &samples), 0);
}

// Rests the pointer on a control and returns the text of the tip that appears.
std::wstring TipAfterHover(GameSession& game, HWND control) {
  const POINT c = CenterOf(control);
  MoveTo(POINT{c.x - 3, c.y});
  MoveTo(c);
  HWND tip = nullptr;
  WaitUntil(5000, [&] {
    tip = VisibleWindowOf(game.ProcessId(), TOOLTIPS_CLASSW);
    return tip && !TextOf(tip).empty();
  });
  return tip ? TextOf(tip) : std::wstring();
}

TEST_F(E2eSheet, TooltipsShowTheClientsMessageTexts) {
  Open();
  const std::wstring noSound = MessageText(game_->Folder(), "NoSound");
  ASSERT_FALSE(noSound.empty()) << "the demo message file has no \"NoSound\" text";
  EXPECT_EQ(noSound, TipAfterHover(*game_, window_->SystemControl(IDC_NO_SOUND)));
  MoveAway();
  ASSERT_NE(nullptr, window_->OpenTab(1));
  // The switch's tooltip key is its command without the slash.
  EXPECT_EQ(MessageText(game_->Folder(), "notrade"),
            TipAfterHover(*game_, window_->OptionControl(IDC_CMD_NOTRADE)));
  SaveScreenshot("option-page-tooltip");
  MoveAway();
}

TEST_F(E2eSheet, ResetRestoresTheDefaultsOnOpenedPages) {
  UseTestClientDefaults();
  // A saved file away from the defaults on both pages.
  Game().WriteFileBytes(L"savedata\\OptionInfo.lua",
                        "OptionInfoList[\"ISFULLSCREENMODE\"] = 1\r\n"
                        "OptionInfoList[\"SPRITEMODE\"] = 0\r\n"
                        "OptionInfoList[\"Bgm_Volume\"] = 5\r\n"
                        "OptionInfoList[\"WIDTH\"] = 800\r\n"
                        "OptionInfoList[\"HEIGHT\"] = 600\r\n"
                        "OptionInfoList[\"MODECNT\"] = 2\r\n"
                        "CmdOnOffList[\"/notrade\"] = 1\r\n"
                        "CmdOnOffList[\"/lightmap\"] = 0\r\n");
  Open();
  HWND systemPage = window_->Page(0);
  ASSERT_NE(ResetSystemPage(), StatesOf(systemPage));
  ASSERT_TRUE(window_->Toggle(window_->SystemControl(IDC_NO_SOUND)));
  window_->DragSlider(window_->SystemControl(IDC_TEXTURE), -0.2);
  HWND optionPage = window_->OpenTab(1);
  ASSERT_NE(nullptr, optionPage);
  ASSERT_NE(DefaultSwitches(), StatesOf(optionPage));
  ASSERT_TRUE(window_->Toggle(window_->OptionControl(IDC_CMD_FOG)));

  window_->ClickButton(IDC_RESET);
  EXPECT_TRUE(WaitUntil(3000, [&] { return StatesOf(optionPage) == DefaultSwitches(); }));
  EXPECT_EQ(DefaultSwitches(), StatesOf(optionPage));
  // Reset leaves the current tab selected and refreshes the other opened page as well.
  EXPECT_EQ(optionPage, CurrentPage(window_->Sheet()));
  EXPECT_EQ(ResetSystemPage(), StatesOf(systemPage));
}

}  // namespace
}  // namespace e2e
