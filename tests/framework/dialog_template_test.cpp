// Dialog templates in memory: reading a template's font and building the template anew in
// another one, with every control kept as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/CDialogTemplate.h"

namespace {

// The controls of the test templates (templates.rc): 1 an extended one, 2 a plain one,
// both in 9-point Tahoma.
struct Item {
  int id;
  std::wstring text;
  short x, y, cx, cy;
};

const Item kItems[] = {{1001, L"거래 신청", 10, 12, 50, 10},
                       {1002, L"- 편의 기능", 7, 30, 47, 8},
                       {1003, L"OK", 60, 44, 31, 14}};

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Creates the template's dialog (hidden) and checks that every item stands where its dialog
// units put it, with its id and text, and that the dialog uses the named face.
void ExpectDialogOf(const CDialogTemplate& dialog, const std::wstring& face) {
  HWND window = CreateDialogIndirectParamW(nullptr, dialog.Get(), nullptr, &NoHandling, 0);
  ASSERT_NE(nullptr, window);
  wchar_t caption[32] = L"";
  GetWindowTextW(window, caption, 32);
  EXPECT_STREQ(L"옵션", caption);
  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
  EXPECT_EQ(face, font.lfFaceName);
  for (const Item& item : kItems) {
    HWND control = GetDlgItem(window, item.id);
    ASSERT_NE(nullptr, control) << item.id;
    wchar_t text[32] = L"";
    GetWindowTextW(control, text, 32);
    EXPECT_EQ(item.text, text);
    // Position and size are mapped apart, as the dialog manager maps them.
    RECT place = {item.x, item.y, item.cx, item.cy};
    MapDialogRect(window, &place);
    const RECT want = {place.left, place.top, place.left + place.right, place.top + place.bottom};
    RECT got;
    GetWindowRect(control, &got);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&got), 2);
    EXPECT_TRUE(EqualRect(&want, &got)) << item.id;
  }
  DestroyWindow(window);
}

TEST(DialogTemplate, ReadsAndReplacesTheFontKeepingEveryControl) {
  for (const UINT id : {1u, 2u})
    for (const std::wstring& face : {std::wstring(L"MS Shell Dlg"), std::wstring(L"Arial")}) {
      SCOPED_TRACE(id);
      CDialogTemplate dialog;
      ASSERT_TRUE(dialog.Load(GetModuleHandleW(nullptr), id));
      DialogFont font;
      ASSERT_TRUE(dialog.GetFont(&font));
      EXPECT_EQ(L"Tahoma", font.face);
      EXPECT_EQ(9, font.pointSize);
      EXPECT_EQ(id == 1 ? FW_NORMAL : 0, font.weight);
      EXPECT_EQ(id == 1 ? HANGUL_CHARSET : DEFAULT_CHARSET, font.charset);
      EXPECT_FALSE(font.shellFont);
      // A longer and a shorter face: the items move with the font block's length.
      DialogFont other;
      other.face = face;
      other.pointSize = 8;
      ASSERT_TRUE(dialog.SetFont(other));
      ASSERT_TRUE(dialog.GetFont(&font));
      EXPECT_EQ(face, font.face);
      EXPECT_EQ(8, font.pointSize);
      ExpectDialogOf(dialog, face);
    }
}

}  // namespace
