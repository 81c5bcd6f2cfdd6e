// The sheet at every display scale players use, in this run's Windows profile (the harness's
// TESSARIL_PROFILE: korean, or english as its own ctest entry): on both pages every control
// lies inside the page, and the page's picture is white under every control.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "GameTexts.h"
#include "PlayerInput.h"
#include "ScreenCapture.h"
#include "SessionFixture.h"
#include "SetupWindow.h"
#include "SheetProbe.h"
#include "Waiting.h"

namespace e2e {
namespace {

std::string Profile() {
  const char* profile = getenv("TESSARIL_PROFILE");
  return profile && *profile ? profile : "korean";
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
  SleepPumping(400);
  const ScreenCapture screen;
  for (size_t i = 0; i < controls.size(); ++i)
    EXPECT_EQ(0, InkIn(screen, origin, places[i]))
        << Describe(controls[i], places[i]) << " stands on the picture";
  for (HWND c : controls) ShowWindow(c, SW_SHOWNA);
  SleepPumping(200);
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

TEST_P(E2eLook, BothPagesKeepEveryControlInsideAndOnWhite) {
  const int percent = GetParam();
  Game().SetScreenDpi(96 * percent / 100);
  SetupWindow* window = OpenSheet();
  ASSERT_NE(nullptr, window) << "no sheet \"Tessaril Setup\"";
  MoveAway();
  const std::string tag = Profile() + "-" + std::to_string(percent);
  ExpectPageRight(window->Page(0), "system-page-" + tag);
  ExpectPageRight(window->OpenTab(1), "option-page-" + tag);
}

INSTANTIATE_TEST_SUITE_P(Scales, E2eLook, ::testing::Values(100, 125, 150, 200),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Percent" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace e2e
