// The setup sheet: its button row, how it closes, and Reset.
#include <windows.h>

#include <stdlib.h>

#include "SheetDriver.h"
#include "ui/resource.h"

namespace {

bool FolderExists(const char* name) {
  const DWORD attributes = GetFileAttributesA(name);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

RECT ClientRect(HWND parent, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

using SetupSheet = SheetTest;

TEST_F(SetupSheet, ShowsExactlyOkCancelAndResetInKorean) {
  SetupWindow w;
  w.Run({SetupWindow::Do([&] {
           HWND sheet = w.sheet.m_hWnd;
           HWND ok = GetDlgItem(sheet, IDOK);
           HWND cancel = GetDlgItem(sheet, IDCANCEL);
           HWND reset = GetDlgItem(sheet, IDC_RESET);
           ASSERT_TRUE(ok && cancel && reset);
           EXPECT_EQ(L"확인", WindowText(ok));
           EXPECT_EQ(L"취소", WindowText(cancel));
           EXPECT_EQ(L"초기화", WindowText(reset));
           EXPECT_EQ(nullptr, GetDlgItem(sheet, IDHELP));
           EXPECT_EQ(nullptr, GetDlgItem(sheet, 0x3021));
           EXPECT_EQ(reset, w.sheet.m_btnReset.m_hWnd);
           // The pages' template texts arrive unconverted too.
           EXPECT_EQ(L"전체 화면", WindowText(w.systemPage.GetDlgItem(IDC_FULLSCREEN)));
           if (const char* acp = getenv("TESSARIL_EXPECT_NOT_ACP")) {
             EXPECT_NE(static_cast<UINT>(atoi(acp)), GetACP());
           }
           // Reset stands where Help stood: the same size and spacing as OK and Cancel.
           const RECT a = ClientRect(sheet, ok), b = ClientRect(sheet, cancel),
                      c = ClientRect(sheet, reset);
           EXPECT_EQ(a.top, c.top);
           EXPECT_EQ(a.right - a.left, c.right - c.left);
           EXPECT_EQ(a.bottom - a.top, c.bottom - c.top);
           EXPECT_EQ(b.left - a.left, c.left - b.left);
           EXPECT_LT(b.right, c.left);
           EXPECT_EQ(SendMessageW(ok, WM_GETFONT, 0, 0), SendMessageW(reset, WM_GETFONT, 0, 0));
           const LONG style = GetWindowLongW(reset, GWL_STYLE);
           EXPECT_FALSE(style & WS_TABSTOP);
           EXPECT_TRUE(style & WS_VISIBLE);
           EXPECT_EQ(0, style & BS_DEFPUSHBUTTON);
         }),
         w.Press(PSBTN_CANCEL)});
}

// Cancel, Escape and the close box end the loop without asking and without applying.
struct CloseWay {
  const char* name;
  void (*close)(HWND sheet);
};

void PrintTo(const CloseWay& way, std::ostream* out) { *out << way.name; }

class SheetCloses : public SheetTest, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(SheetCloses, WithoutConfirmationOrSaving) {
  SetupWindow w;
  const INT_PTR result = w.Run({SetupWindow::Do([&] { GetParam().close(w.sheet.m_hWnd); })});
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_FALSE(g_bAccepted);
  EXPECT_FALSE(FolderExists("savedata"));
  EXPECT_EQ(nullptr, w.sheet.m_hWnd);
  EXPECT_EQ(nullptr, w.systemPage.m_hWnd);  // the window went with the sheet
  EXPECT_EQ(nullptr, FindConfirmation());
}

INSTANTIATE_TEST_SUITE_P(
    AllWays, SheetCloses,
    ::testing::Values(
        CloseWay{"Cancel",
                 [](HWND sheet) { PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }},
        // Escape goes through the loop's dialog-message step, as a key press would.
        CloseWay{"Escape",
                 [](HWND) {
                   PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                   PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, 0xC0010001);
                 }},
        CloseWay{"CloseBox", [](HWND sheet) { PostMessageW(sheet, WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

// A quit message ends the loop at once: the sheet closes without applying, and the quit is
// posted again for the loop outside.
TEST_F(SetupSheet, AQuitMessageClosesTheSheetAndIsPassedOn) {
  SetupWindow w;
  const INT_PTR result = w.Run({SetupWindow::Do([] { PostQuitMessage(7); })});
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_EQ(nullptr, w.sheet.m_hWnd);
  EXPECT_EQ(nullptr, w.systemPage.m_hWnd);
  EXPECT_FALSE(g_bAccepted);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7u, msg.wParam);
}

TEST_F(SetupSheet, OkConfirmedAcceptsAndCreatesTheSaveFolder) {
  SetupWindow w;
  const INT_PTR result = w.Run({w.Press(PSBTN_OK), SetupWindow::Answer(IDOK)});
  EXPECT_EQ(IDOK, result);
  EXPECT_TRUE(g_bAccepted);
  EXPECT_TRUE(FolderExists("savedata"));
}

TEST_F(SetupSheet, OkRefusedClosesWithoutAccepting) {
  SetupWindow w;
  w.Run({w.Press(PSBTN_OK), SetupWindow::Answer(IDCANCEL)});
  EXPECT_FALSE(g_bAccepted);
  EXPECT_FALSE(FolderExists("savedata"));
  EXPECT_EQ(nullptr, w.sheet.m_hWnd);
}

TEST_F(SetupSheet, OkAcceptsAlsoWhenSomethingNamedSavedataExists) {
  CloseHandle(CreateFileA("savedata", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
  SetupWindow w;
  w.Run({w.Press(PSBTN_OK), SetupWindow::Answer(IDOK)});
  EXPECT_TRUE(g_bAccepted);
  EXPECT_FALSE(FolderExists("savedata"));  // the file stays a file
}

// Puts values other than the defaults into the record and shows them on the open pages.
void Disturb(CRegistry& r, SetupWindow& w) {
  r.m_nFullScreen = !r.m_nFullScreen;
  r.m_nSpriteMode = (r.m_nSpriteMode + 1) % 3;
  r.m_nBgmVolume = r.m_nBgmVolume == 5 ? 6 : 5;
  r.m_nSoundMode = !r.m_nSoundMode;
  for (int& value : r.m_aCmdOnOff) value = !value;
  for (CSkinPage* page :
       {static_cast<CSkinPage*>(&w.systemPage), static_cast<CSkinPage*>(&w.optionPage)})
    if (page->m_bInitialized)
      page->InitControls();
}

void ExpectSystemPageShows(const CRegistry& r, SetupWindow& w) {
  EXPECT_EQ(r.m_nFullScreen, w.systemPage.m_chkFullScreen.GetCheck());
  EXPECT_EQ(r.m_nSpriteMode, w.systemPage.m_sldSprite.GetPos());
  EXPECT_EQ(r.m_nBgmVolume, w.systemPage.m_sldBgmVolume.GetPos());
  EXPECT_EQ(r.m_nSoundMode == 0, w.systemPage.m_chkNoSound.GetCheck() == BST_CHECKED);
}

void ExpectOptionPageShows(const CRegistry& r, SetupWindow& w) {
  for (const SwitchRow& row : kSwitchRows)
    EXPECT_EQ(r.m_aCmdOnOff[row.cmdSwitch], (w.optionPage.*row.box).GetCheck()) << row.id;
}

TEST_F(SetupSheet, ResetRefreshesOnlyThePagesAlreadyShown) {
  SetupWindow w;
  CRegistry& r = Record();
  int fullScreenDefault = 0;
  w.Run({SetupWindow::Do([&] {
           fullScreenDefault = r.m_nFullScreen;
           Disturb(r, w);
           ASSERT_NE(fullScreenDefault, w.systemPage.m_chkFullScreen.GetCheck());
           SendMessageW(w.sheet.m_btnReset.m_hWnd, BM_CLICK, 0, 0);
           EXPECT_EQ(fullScreenDefault, r.m_nFullScreen);
           ExpectSystemPageShows(r, w);
           // The Option tab was never opened: it has no window to refresh.
           EXPECT_FALSE(w.optionPage.m_bInitialized);
           EXPECT_EQ(nullptr, w.optionPage.m_hWnd);
         }),
         w.ShowTab(1), SetupWindow::Do([&] {
           ASSERT_TRUE(w.optionPage.m_bInitialized);
           ExpectOptionPageShows(r, w);  // first shown with the reset record
           const int switchDefault = r.m_aCmdOnOff[0];
           Disturb(r, w);
           ASSERT_NE(switchDefault, w.optionPage.m_chkNotrade.GetCheck());
           SendMessageW(w.sheet.m_btnReset.m_hWnd, BM_CLICK, 0, 0);
           EXPECT_EQ(switchDefault, r.m_aCmdOnOff[0]);
           ExpectOptionPageShows(r, w);
           ExpectSystemPageShows(r, w);
           // Reset neither saves nor closes.
           EXPECT_FALSE(g_bAccepted);
           EXPECT_NE(nullptr, w.sheet.m_hWnd);
         }),
         w.Press(PSBTN_CANCEL)});
}

TEST(SetupSheetClass, IsADynamicClassWithoutFactoryAndThePagesHaveOne) {
  EXPECT_STREQ("CSetupSheet", RUNTIME_CLASS(CSetupSheet)->m_lpszClassName);
  EXPECT_EQ(RUNTIME_CLASS(CPropertySheet), RUNTIME_CLASS(CSetupSheet)->m_pBaseClass);
  EXPECT_EQ(nullptr, RUNTIME_CLASS(CSetupSheet)->CreateObject());
  EXPECT_EQ(RUNTIME_CLASS(CPropertyPage), RUNTIME_CLASS(CSkinPage)->m_pBaseClass);
  for (const CRuntimeClass* page : {RUNTIME_CLASS(CSetupOption), RUNTIME_CLASS(CSetupCMD)}) {
    EXPECT_EQ(RUNTIME_CLASS(CSkinPage), page->m_pBaseClass);
    CCmdTarget* made = page->CreateObject();
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(page, made->GetRuntimeClass());
    delete made;
  }
  EXPECT_STREQ("CSetupOption", RUNTIME_CLASS(CSetupOption)->m_lpszClassName);
  EXPECT_STREQ("CSetupCMD", RUNTIME_CLASS(CSetupCMD)->m_lpszClassName);
}

}  // namespace
