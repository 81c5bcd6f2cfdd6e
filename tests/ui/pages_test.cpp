// The System and Option pages: binding, what each control stores, the lists and tooltips.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "SheetDriver.h"
#include "display/CFakeDirectDraw.h"
#include "settings/NameTable.h"
#include "ui/resource.h"

namespace {

using SystemPage = SheetTest;
using OptionPage = SheetTest;

std::string ComboText(const CComboBox& box, int index) {
  char text[128] = "";
  if (index >= 0)
    SendMessageA(box.m_hWnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

int ItemCount(const CComboBox& box) {
  return static_cast<int>(SendMessageW(box.m_hWnd, CB_GETCOUNT, 0, 0));
}

void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

TEST_F(SystemPage, BindsEveryControlMemberToItsTemplateControl) {
  SetupWindow w;
  w.Run({SetupWindow::Do([&] {
           CSetupOption& p = w.systemPage;
           const struct {
             const CWnd& member;
             int id;
           } bound[] = {{p.m_chkEffectOn, IDC_EFFECT_ON},
                        {p.m_chkBgmOn, IDC_BGM_ON},
                        {p.m_sldEffectVolume, IDC_EFFECT_VOLUME},
                        {p.m_sldBgmVolume, IDC_BGM_VOLUME},
                        {p.m_sldTexture, IDC_TEXTURE},
                        {p.m_sldSprite, IDC_SPRITE},
                        {p.m_chkFullScreen, IDC_FULLSCREEN},
                        {p.m_cmbMode, IDC_MODE},
                        {p.m_cmbDevice, IDC_DEVICE},
                        {p.m_chkMouseExclusive, IDC_MOUSE_EXCLUSIVE},
                        {p.m_chkNoSound, IDC_NO_SOUND}};
           for (const auto& b : bound) {
             EXPECT_NE(nullptr, b.member.m_hWnd) << b.id;
             EXPECT_EQ(GetDlgItem(p.m_hWnd, b.id), b.member.m_hWnd) << b.id;
           }
           EXPECT_TRUE(p.m_bInitialized);
           EXPECT_EQ(573, p.m_nBackWidth);
           EXPECT_EQ(437, p.m_nBackHeight);
         }),
         w.Press(PSBTN_CANCEL)});
}

// Arrow keys, Page Down and End move a slider without a mouse release; each move is stored.
TEST_F(SystemPage, SlidersStoreKeyboardMovesAndMouseReleases) {
  SetupWindow w;
  CRegistry& r = Record();
  w.Run({SetupWindow::Do([&] {
           CSetupOption& p = w.systemPage;
           r.m_nBgmVolume = 10;
           r.m_nSpriteMode = 2;
           p.InitControls();
           SendMessageW(p.m_sldBgmVolume.m_hWnd, WM_KEYDOWN, VK_RIGHT, 0);
           EXPECT_EQ(11, p.m_sldBgmVolume.GetPos());
           EXPECT_EQ(11, r.m_nBgmVolume);
           SendMessageW(p.m_sldBgmVolume.m_hWnd, WM_KEYDOWN, VK_END, 0);
           EXPECT_EQ(127, r.m_nBgmVolume);
           SendMessageW(p.m_sldSprite.m_hWnd, WM_KEYDOWN, VK_HOME, 0);
           EXPECT_EQ(0, r.m_nSpriteMode);
           // A position set without notification is stored on the next mouse release.
           SendMessageW(p.m_sldEffectVolume.m_hWnd, TBM_SETPOS, TRUE, 77);
           EXPECT_NE(77, r.m_nEffectVolume);
           NMHDR released = {p.m_sldEffectVolume.m_hWnd, IDC_EFFECT_VOLUME,
                             static_cast<UINT>(NM_RELEASEDCAPTURE)};
           SendMessageW(p.m_hWnd, WM_NOTIFY, IDC_EFFECT_VOLUME,
                        reinterpret_cast<LPARAM>(&released));
           EXPECT_EQ(77, r.m_nEffectVolume);
           SendMessageW(p.m_sldTexture.m_hWnd, WM_KEYDOWN, VK_LEFT, 0);
           EXPECT_EQ(p.m_sldTexture.GetPos(), r.m_nTextureMode);
         }),
         w.Press(PSBTN_CANCEL)});
}

TEST_F(SystemPage, BoxesStoreTheirStateAndNoSoundOnlyTheSoundMode) {
  SetupWindow w;
  CRegistry& r = Record();
  w.Run({SetupWindow::Do([&] {
           CSetupOption& p = w.systemPage;
           r.m_nFullScreen = 0;
           r.m_nMouseExclusive = 1;
           r.m_nSoundMode = 1;
           r.m_bBgmOn = 1;
           r.m_bSoundOn = 0;
           r.m_nBgmVolume = 40;
           p.InitControls();
           Click(p.m_chkFullScreen.m_hWnd);
           Click(p.m_chkMouseExclusive.m_hWnd);
           Click(p.m_chkEffectOn.m_hWnd);
           EXPECT_EQ(1, r.m_nFullScreen);
           EXPECT_EQ(0, r.m_nMouseExclusive);
           EXPECT_EQ(1, r.m_bSoundOn);
           Click(p.m_chkNoSound.m_hWnd);
           EXPECT_EQ(0, r.m_nSoundMode);
           EXPECT_EQ(1, r.m_bBgmOn);
           EXPECT_EQ(BST_CHECKED, p.m_chkBgmOn.GetCheck());
           EXPECT_TRUE(IsWindowEnabled(p.m_sldBgmVolume.m_hWnd));
           EXPECT_EQ(40, r.m_nBgmVolume);
           Click(p.m_chkNoSound.m_hWnd);
           EXPECT_EQ(1, r.m_nSoundMode);
         }),
         w.Press(PSBTN_CANCEL)});
}

// Wine's virtual desktop offers its usual modes, 1024 x 768 among them, on one hardware device.
TEST_F(SystemPage, FirstRunChoosesTenTwentyFourByThreeSixtyEightAndKeepsTheDepth) {
  CRegistry& r = Record();
  r.m_nWidth = 0;
  r.m_nHeight = 0;
  r.m_nModeIndex = 0;
  r.m_nBitPerPixel = 16;
  SetupWindow w;
  w.Run({SetupWindow::Do([&] {
           CSetupOption& p = w.systemPage;
           ASSERT_GT(ItemCount(p.m_cmbDevice), 0) << "no hardware device listed";
           EXPECT_EQ(r.m_nDeviceIndex, p.m_cmbDevice.GetCurSel());
           EXPECT_STREQ(ComboText(p.m_cmbDevice, r.m_nDeviceIndex).c_str(), r.m_szDeviceName);
           EXPECT_EQ(1024, r.m_nWidth);
           EXPECT_EQ(768, r.m_nHeight);
           EXPECT_EQ(16, r.m_nBitPerPixel);
           const int depth = (p.m_dwOSMajor == 6 && p.m_dwOSMinor == 2) ? 32 : 16;
           EXPECT_EQ("1024 x 768 x " + std::to_string(depth),
                     ComboText(p.m_cmbMode, p.m_cmbMode.GetCurSel()));
           EXPECT_EQ(r.m_nModeIndex, p.m_cmbMode.GetCurSel());
           // Every listed item matches its table entry and the one depth.
           for (int i = 0; i < ItemCount(p.m_cmbMode); ++i) {
             const ListedMode& m = g_listedModes[i];
             EXPECT_EQ(std::to_string(m.width) + " x " + std::to_string(m.height) + " x " +
                           std::to_string(m.bitsPerPixel),
                       ComboText(p.m_cmbMode, i));
             EXPECT_EQ(depth, m.bitsPerPixel);
           }
         }),
         w.Press(PSBTN_CANCEL)});
}

TEST_F(SystemPage, ChoosingAModeStoresItAndAPositionBeyondTheListSelectsNothing) {
  SetupWindow w;
  CRegistry& r = Record();
  w.Run({SetupWindow::Do([&] {
           CSetupOption& p = w.systemPage;
           const int last = ItemCount(p.m_cmbMode) - 1;
           ASSERT_GE(last, 1);
           p.m_cmbMode.SetCurSel(last);
           SendMessageW(p.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_MODE, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(p.m_cmbMode.m_hWnd));
           EXPECT_EQ(last, r.m_nModeIndex);
           EXPECT_EQ(g_listedModes[last].width, r.m_nWidth);
           EXPECT_EQ(g_listedModes[last].height, r.m_nHeight);
           EXPECT_EQ(g_listedModes[last].bitsPerPixel, r.m_nBitPerPixel);
           // A stored position beyond the list: no selection, the fields keep their values.
           r.m_nModeIndex = 99;
           p.UseChosenDevice();
           EXPECT_EQ(CB_ERR, p.m_cmbMode.GetCurSel());
           EXPECT_EQ(99, r.m_nModeIndex);
           EXPECT_EQ(g_listedModes[last].width, r.m_nWidth);
           // A change notice without a selection reads no table entry and stores nothing.
           SendMessageW(p.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_MODE, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(p.m_cmbMode.m_hWnd));
           EXPECT_EQ(99, r.m_nModeIndex);
           // A device index that names no hardware device empties the list.
           r.m_nDeviceIndex = 7;
           p.FillDeviceList();
           p.UseChosenDevice();
           EXPECT_EQ(CB_ERR, p.m_cmbDevice.GetCurSel());
           EXPECT_EQ(0, ItemCount(p.m_cmbMode));
         }),
         w.Press(PSBTN_CANCEL)});
}

// Two hardware devices with different modes (each at both depths, whatever the version), a
// software device before them that the page never offers.
class TwoHardwareDevices : public SheetTest {
 protected:
  TwoHardwareDevices() {
    const DWORD depths = DDBD_16 | DDBD_32;
    std::vector<FakeMode> large, small;
    for (DWORD bits : {16, 32}) {
      for (const SIZE& s : {SIZE{640, 480}, SIZE{800, 600}, SIZE{1024, 768}, SIZE{1280, 1024}})
        large.push_back(Mode(s.cx, s.cy, bits));
      for (const SIZE& s : {SIZE{640, 480}, SIZE{800, 600}})
        small.push_back(Mode(s.cx, s.cy, bits));
    }
    CFakeDirectDraw::Install(
        {Driver(nullptr, "Primary", large,
                {Device("Software", false, depths, 0x51), Device("First HAL", true, depths, 0x52)}),
         Driver(&kSecondDriver, "Second card", small, {Device("HAL", true, depths, 0x53)})});
  }
  const GUID kSecondDriver = TaggedGuid(0xD2);
};

void Choose(CSetupOption& page, CComboBox& box, int item, int id) {
  box.SetCurSel(item);
  SendMessageW(page.m_hWnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(box.m_hWnd));
}

TEST_F(TwoHardwareDevices,
       ChoosingTheOtherDeviceRefillsTheModesKeepsThePositionAndTakesItsIdentity) {
  SetupWindow w;
  CRegistry& r = Record();
  w.Run({SetupWindow::Do([&] {
           CSetupOption& p = w.systemPage;
           ASSERT_EQ(2, ItemCount(p.m_cmbDevice));
           EXPECT_EQ("First HAL", ComboText(p.m_cmbDevice, 0));
           EXPECT_EQ("Second card", ComboText(p.m_cmbDevice, 1));
           ASSERT_EQ(4, ItemCount(p.m_cmbMode));
           Choose(p, p.m_cmbMode, 3, IDC_MODE);
           ASSERT_EQ(1280, r.m_nWidth);

           Choose(p, p.m_cmbDevice, 1, IDC_DEVICE);
           EXPECT_EQ(1, r.m_nDeviceIndex);
           EXPECT_EQ(2, ItemCount(p.m_cmbMode));
           // The old position is kept: beyond the shorter list, so nothing is selected, and the
           // last chosen mode stands.
           EXPECT_EQ(3, r.m_nModeIndex);
           EXPECT_EQ(CB_ERR, p.m_cmbMode.GetCurSel());
           EXPECT_EQ(1280, r.m_nWidth);
           EXPECT_EQ(1024, r.m_nHeight);
           EXPECT_STREQ("Second card", r.m_szDeviceName);
           EXPECT_TRUE(IsEqualGUID(TaggedGuid(0x53), r.m_guidDevice));
           EXPECT_TRUE(IsEqualGUID(kSecondDriver, r.m_guidDriver));

           Choose(p, p.m_cmbMode, 1, IDC_MODE);
           Choose(p, p.m_cmbDevice, 0, IDC_DEVICE);
           EXPECT_EQ(4, ItemCount(p.m_cmbMode));
           EXPECT_EQ(1, p.m_cmbMode.GetCurSel());
           EXPECT_STREQ("First HAL", r.m_szDeviceName);
           EXPECT_TRUE(IsEqualGUID(TaggedGuid(0x52), r.m_guidDevice));
           EXPECT_TRUE(IsEqualGUID(GUID(), r.m_guidDriver));
         }),
         w.Press(PSBTN_CANCEL)});
}

// Every control that the page's template gives an id has one tool, identified by its window.
void ExpectTools(CSkinPage& page) {
  ASSERT_NE(nullptr, page.m_toolTip.m_hWnd);
  int controls = 0;
  for (HWND child = GetWindow(page.m_hWnd, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (LOWORD(GetDlgCtrlID(child)) == 0xFFFF)  // a label
      continue;
    ++controls;
    TTTOOLINFOW info = {};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = page.m_hWnd;
    info.uId = reinterpret_cast<UINT_PTR>(child);
    EXPECT_TRUE(
        SendMessageW(page.m_toolTip.m_hWnd, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)))
        << GetDlgCtrlID(child);
    EXPECT_TRUE(info.uFlags & TTF_IDISHWND);
    EXPECT_FALSE(info.uFlags & TTF_SUBCLASS);
  }
  EXPECT_EQ(controls, SendMessageW(page.m_toolTip.m_hWnd, TTM_GETTOOLCOUNT, 0, 0));
}

TEST_F(SystemPage, RegistersOneTooltipPerControl) {
  SetupWindow w;
  w.Run({SetupWindow::Do([&] { ExpectTools(w.systemPage); }), w.Press(PSBTN_CANCEL)});
}

// The English template captions each box with its tooltip key, the command without its slash:
// a row that pairs a box with another switch shows there.
TEST_F(OptionPage, ShowsTheSwitchesAndAClickFlipsOnlyItsOwn) {
  SetupWindow w;
  CRegistry& r = Record();
  for (int i = 0; i < kCmdSwitchCount; ++i) r.m_aCmdOnOff[i] = i % 3 == 0;
  w.Run({w.ShowTab(1), SetupWindow::Do([&] {
           CSetupCMD& p = w.optionPage;
           ASSERT_TRUE(p.m_bInitialized);
           HWND english = CreateDialogParamW(nullptr, MAKEINTRESOURCEW(IDD_OPTION_PAGE_EN), nullptr,
                                             nullptr, 0);
           int before[kCmdSwitchCount];
           memcpy(before, r.m_aCmdOnOff, sizeof(before));
           for (const SwitchRow& row : kSwitchRows) {
             const int i = row.cmdSwitch;
             char caption[64] = "";
             GetDlgItemTextA(english, row.id, caption, sizeof(caption));
             EXPECT_STREQ(GetName(row.tipKey), caption) << row.id;
             EXPECT_EQ(std::string("/") + caption, GetName(row.commandKey)) << row.id;
             ASSERT_EQ(GetDlgItem(p.m_hWnd, row.id), (p.*row.box).m_hWnd) << row.id;
             EXPECT_EQ(r.m_aCmdOnOff[i], (p.*row.box).GetCheck()) << row.id;
             Click((p.*row.box).m_hWnd);
             for (int j = 0; j < kCmdSwitchCount; ++j)
               EXPECT_EQ(j == i ? !before[j] : before[j], r.m_aCmdOnOff[j]) << row.id << "," << j;
             Click((p.*row.box).m_hWnd);
             EXPECT_EQ(before[i], r.m_aCmdOnOff[i]) << row.id;
           }
           DestroyWindow(english);
           ExpectTools(p);
           EXPECT_EQ(514, p.m_nBackWidth);
         }),
         w.Press(PSBTN_CANCEL)});
}

// What a page answers a control-colour request, read off the context it was given.
struct ColourAnswer {
  HBRUSH brush;
  COLORREF text;
  COLORREF back;
  int mode;
};

ColourAnswer AskColours(CSkinPage& page, UINT message, HWND control) {
  HDC dc = CreateCompatibleDC(nullptr);
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkColor(dc, RGB(4, 5, 6));
  SetBkMode(dc, OPAQUE);
  const LRESULT brush = SendMessageW(page.m_hWnd, message, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(control));
  const ColourAnswer answer = {reinterpret_cast<HBRUSH>(brush), GetTextColor(dc), GetBkColor(dc),
                               GetBkMode(dc)};
  DeleteDC(dc);
  return answer;
}

// Black text on the white brush for the page and every control; the System page's texts
// stand on white, the Option page's straight on the picture.
TEST_F(SystemPage, BothPagesColourEveryControlBlackOnTheWhiteBrush) {
  SetupWindow w;
  w.Run({w.ShowTab(1), SetupWindow::Do([&] {
           for (CSkinPage* page :
                {static_cast<CSkinPage*>(&w.systemPage), static_cast<CSkinPage*>(&w.optionPage)}) {
             const bool option = page == &w.optionPage;
             for (UINT message : {WM_CTLCOLORDLG, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN}) {
               const ColourAnswer a = AskColours(*page, message, GetWindow(page->m_hWnd, GW_CHILD));
               EXPECT_EQ(page->m_brushBack.GetSafeHandle(), a.brush) << option << message;
               EXPECT_EQ(RGB(0, 0, 0), a.text);
               EXPECT_EQ(option ? TRANSPARENT : OPAQUE, a.mode) << option;
               EXPECT_EQ(option ? RGB(4, 5, 6) : RGB(255, 255, 255), a.back) << option;
             }
           }
         }),
         w.Press(PSBTN_CANCEL)});
}

TEST_F(OptionPage, ClickedSwitchesAreDiscardedByCancelAndKeptForOk) {
  SetupWindow w;
  CRegistry& r = Record();
  r.m_aCmdOnOff[0] = 0;
  w.Run({w.ShowTab(1), SetupWindow::Do([&] { Click(w.optionPage.m_chkNotrade.m_hWnd); }),
         w.Press(PSBTN_OK), SetupWindow::Answer(IDCANCEL)});
  // The record holds the click; refusing the confirmation only keeps it from being saved.
  EXPECT_EQ(1, r.m_aCmdOnOff[0]);
  EXPECT_FALSE(g_bAccepted);
}

}  // namespace
