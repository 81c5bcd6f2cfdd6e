// The sheet at every display scale players use, in this run's Windows profile and display
// language (the harness's TESSARIL_PROFILE and TESSARIL_UILANG; each pair is its own ctest
// entry): both pages and the buttons speak that language, and on both pages every control lies
// inside the page, on white.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "GameTexts.h"
#include "PlayerInput.h"
#include "ScreenCapture.h"
#include "SessionFixture.h"
#include "SetupWindow.h"
#include "SheetProbe.h"
#include "Waiting.h"
#include "ui/resource.h"

namespace e2e {
namespace {

std::string Profile() {
  const char* profile = getenv("TESSARIL_PROFILE");
  return profile && *profile ? profile : "korean";
}

// What a player of each language reads: the tabs, two boxes of the System page, the Option
// page's first group and the buttons.
struct LanguageTexts {
  const char* locale;  // as LC_MESSAGES or LANG names it, up to the dot
  const wchar_t* systemTab;
  const wchar_t* optionTab;
  const wchar_t* fullScreen;
  const wchar_t* noSound;
  const wchar_t* firstGroup;
  const wchar_t* ok;
  const wchar_t* cancel;
  const wchar_t* reset;
};

const LanguageTexts kLanguages[] = {
    {"ko_KR", L"시스템", L"옵션", L"전체 화면", L"사운드 없음", L"- 편의 기능", L"확인", L"취소",
     L"초기화"},
    {"en_US", L"System", L"Option", L"Full Screen Mode", L"No Sound", L"- Help", L"OK", L"Cancel",
     L"Reset"},
    {"zh_CN", L"系统", L"选项", L"全屏模式", L"静音", L"- 便利功能", L"确定", L"取消", L"重置"},
    {"zh_TW", L"系統", L"設定", L"全螢幕模式", L"靜音", L"- 便利功能", L"確定", L"取消", L"重設"},
    {"pt_BR", L"System", L"Option", L"Tela cheia", L"Sem som", L"- Conveniência", L"OK",
     L"Cancelar", L"Redefinir"},
    {"ru_RU", L"Основ.", L"Настройки", L"Полный экран", L"Без звука", L"- Удобство", L"ОК",
     L"Отмена", L"Сброс"},
    {"ja_JP", L"システム", L"オプション", L"全画面表示", L"ミュート", L"- 便利機能", L"OK",
     L"キャンセル", L"リセット"},
};

// The display language the harness gave this run, and so the program (Wine takes it from
// LC_MESSAGES, else LANG).
std::string DisplayLocale() {
  const char* locale = getenv("LC_MESSAGES");
  if (!locale || !*locale)
    locale = getenv("LANG");
  const std::string name = locale ? locale : "";
  return name.substr(0, name.find('.'));
}

const LanguageTexts* TextsOf(const std::string& locale) {
  for (const LanguageTexts& l : kLanguages)
    if (locale == l.locale)
      return &l;
  return nullptr;
}

bool HasChildReading(HWND page, const std::wstring& text) {
  for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (TextOf(c) == text)
      return true;
  return false;
}

std::vector<HWND> ChildrenOf(HWND page) {
  std::vector<HWND> children;
  for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) children.push_back(c);
  return children;
}

std::string Describe(HWND control, const RECT& r) {
  return "control " + std::to_string(GetDlgCtrlID(control)) + " \"" + ToAnsi(TextOf(control)) +
         "\" at " + std::to_string(r.left) + "," + std::to_string(r.top) + " - " +
         std::to_string(r.right) + "," + std::to_string(r.bottom);
}

// The pixels of a rectangle of the page that are not white; `origin` is the page's client
// origin on the screen (asked once: each question is a trip to another process).
int InkIn(const ScreenCapture& screen, POINT origin, const RECT& r) {
  int ink = 0;
  for (LONG y = r.top; y < r.bottom; ++y)
    for (LONG x = r.left; x < r.right; ++x)
      ink += screen.Pixel(origin.x + x, origin.y + y) == RGB(255, 255, 255) ? 0 : 1;
  return ink;
}

// Hides the page's controls, so the page paints what stands under them, and looks for
// anything but white in each control's rectangle; then shows them again.
void ExpectWhiteUnderControls(HWND page, const std::vector<HWND>& controls) {
  std::vector<RECT> places;
  for (HWND c : controls) places.push_back(RectInParent(c));
  POINT origin = {0, 0};
  ClientToScreen(page, &origin);
  // Shown, every control draws something of its own there: the rectangles are where the
  // capture sees the controls.
  const ScreenCapture shown;
  for (size_t i = 0; i < controls.size(); ++i)
    EXPECT_GT(InkIn(shown, origin, places[i]), 0) << Describe(controls[i], places[i]);
  for (HWND c : controls) ShowWindow(c, SW_HIDE);
  // The page paints what the controls covered while this call waits; the short sleep lets
  // the painted pixels reach the screen.
  RedrawWindow(page, nullptr, nullptr, RDW_UPDATENOW);
  SleepPumping(150);
  const ScreenCapture screen;
  for (size_t i = 0; i < controls.size(); ++i)
    EXPECT_EQ(0, InkIn(screen, origin, places[i]))
        << Describe(controls[i], places[i]) << " stands on the picture";
  for (HWND c : controls) ShowWindow(c, SW_SHOWNA);
}

void ExpectPageRight(HWND page, const std::string& shot) {
  ASSERT_NE(nullptr, page);
  SaveScreenshot(shot);
  RECT client = {};
  GetClientRect(page, &client);
  const std::vector<HWND> controls = ChildrenOf(page);
  ASSERT_GT(controls.size(), 20u);
  for (HWND c : controls) {
    const RECT r = RectInParent(c);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << Describe(c, r) << " lies outside the page's " << client.right << " x " << client.bottom;
  }
  ExpectWhiteUnderControls(page, controls);
}

class E2eLook : public SessionFixture, public ::testing::WithParamInterface<int> {};

TEST_P(E2eLook, BothPagesInThePlayersLanguageKeepEveryControlInsideAndOnWhite) {
  const std::string locale = DisplayLocale();
  const LanguageTexts* texts = TextsOf(locale);
  ASSERT_NE(nullptr, texts) << "no texts for the display language " << locale;
  const int percent = GetParam();
  Game().SetScreenDpi(96 * percent / 100);
  SetupWindow* window = OpenSheet();
  ASSERT_NE(nullptr, window) << "no sheet \"Tessaril Setup\"";
  MoveAway();
  EXPECT_EQ(L"Tessaril Setup", TextOf(window->Sheet()));
  EXPECT_EQ(texts->ok, TextOf(window->Button(IDOK)));
  EXPECT_EQ(texts->cancel, TextOf(window->Button(IDCANCEL)));
  EXPECT_EQ(texts->reset, TextOf(window->Button(IDC_RESET)));
  EXPECT_EQ(texts->systemTab, TextOf(window->Page(0)));
  EXPECT_EQ(texts->fullScreen, TextOf(window->SystemControl(IDC_FULLSCREEN)));
  EXPECT_EQ(texts->noSound, TextOf(window->SystemControl(IDC_NO_SOUND)));

  const std::string tag = Profile() + "-" + std::to_string(percent) + "-" + locale;
  ExpectPageRight(window->Page(0), "system-page-" + tag);
  HWND optionPage = window->OpenTab(1);
  ExpectPageRight(optionPage, "option-page-" + tag);
  EXPECT_EQ(texts->optionTab, TextOf(optionPage));
  EXPECT_TRUE(HasChildReading(optionPage, texts->firstGroup));
}

INSTANTIATE_TEST_SUITE_P(Scales, E2eLook, ::testing::Values(100, 125, 150, 200),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Percent" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace e2e
