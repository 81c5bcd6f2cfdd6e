// CSetupSheet: the button row and Reset.
#include "ui/CSetupSheet.h"

#include "framework/CDC.h"
#include "settings/CRegistry.h"
#include "ui/CSkinPage.h"
#include "ui/resource.h"

namespace {
const int kApplyButtonId = 0x3021;
}  // namespace

IMPLEMENT_DYNAMIC(CSetupSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CSetupSheet, CPropertySheet)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_RESET, &CSetupSheet::OnReset)
END_MESSAGE_MAP()

CSetupSheet::CSetupSheet(const char* caption, HWND parent, UINT firstPage,
                         const ButtonCaptions& buttons)
    : CPropertySheet(caption, parent, firstPage), m_captions(buttons) {
  m_psh.dwFlags |= PSH_NOAPPLYNOW;
}

BOOL CSetupSheet::OnInitDialog() {
  const BOOL result = CPropertySheet::OnInitDialog();
  ShiftLeft(IDOK, 10);
  ShiftLeft(IDCANCEL, 10);
  ShiftLeft(IDHELP, 10);
  // Wide, so that the captions read the same on every code page.
  SetDlgItemTextW(m_hWnd, IDOK, m_captions.ok.c_str());
  SetDlgItemTextW(m_hWnd, IDCANCEL, m_captions.cancel.c_str());
  // Reset takes Help's place, size and font; it is no tab stop and not the default button.
  const RECT place = GetClientRectOf(IDHELP);
  m_btnReset.Create(m_captions.reset.c_str(), WS_CHILD | WS_VISIBLE, place, m_hWnd, IDC_RESET);
  HWND help = GetDlgItem(IDHELP);
  const LRESULT font = SendDlgItemMessageW(m_hWnd, IDHELP, WM_GETFONT, 0, 0);
  m_btnReset.SendMessage(WM_SETFONT, static_cast<WPARAM>(font), TRUE);
  if (help)
    ::DestroyWindow(help);
  if (HWND apply = GetDlgItem(kApplyButtonId))
    ::DestroyWindow(apply);
  return result;
}

void CSetupSheet::ShiftLeft(int id, int pixels) {
  HWND control = GetDlgItem(id);
  if (!control)
    return;
  const RECT r = GetClientRectOf(id);
  ::MoveWindow(control, r.left - pixels, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

RECT CSetupSheet::GetClientRectOf(int id) const {
  RECT r = {};
  HWND control = GetDlgItem(id);
  if (!control)
    return r;
  ::GetWindowRect(control, &r);
  POINT topLeft = {r.left, r.top};
  ::ScreenToClient(m_hWnd, &topLeft);
  const RECT client = {topLeft.x, topLeft.y, topLeft.x + (r.right - r.left),
                       topLeft.y + (r.bottom - r.top)};
  return client;
}

HBRUSH CSetupSheet::OnCtlColor(HDC dc, HWND, UINT) {
  CDCHandle context(dc);
  context.SetTextColor(RGB(0, 0, 0));
  context.SetBkColor(RGB(255, 255, 255));
  return m_brushSheet;
}

void CSetupSheet::OnReset() {
  CRegistry::GetInstance()->ResetToDefaults();
  // The System page, then the Option page; a page not opened yet has no controls and reads
  // the reset record when it is first shown.
  for (int i = 0; i < GetPageCount(); ++i) {
    CSkinPage* page = dynamic_cast<CSkinPage*>(GetPage(i));
    if (page && page->m_bInitialized)
      page->InitControls();
  }
}
