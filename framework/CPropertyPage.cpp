// CPropertyPage: the page's dialog procedure and the sheet's notifications.
#include "framework/CPropertyPage.h"

#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

// comctl32 6.0 knows every size up to V3, which is the whole structure in the MinGW headers;
// the V4 header bitmap handle of later versions is not declared there and not needed.
static_assert(sizeof(PROPSHEETPAGEW) == sizeof(PROPSHEETPAGEW_V3), "the V3 layout");

HPROPSHEETPAGE CPropertyPage::CreatePageHandle(bool hasHelp, const DialogFont* sheetFont) {
  // The wide page interface reads the template's texts as they are stored, so the Korean
  // captions show on every system code page.
  PROPSHEETPAGEW page = {};
  page.dwSize = sizeof(page);
  page.dwFlags = hasHelp ? PSP_HASHELP : PSP_DEFAULT;
  page.hInstance = AfxGetResourceHandle();
  if (sheetFont && TakeSheetFont(*sheetFont)) {
    page.dwFlags |= PSP_DLGINDIRECT;
    page.pResource = m_template.Get();
  } else {
    page.pszTemplate = MAKEINTRESOURCEW(GetTemplateId());
  }
  page.pfnDlgProc = &CPropertyPage::PageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return CreatePropertySheetPageW(&page);
}

// The sheet sizes its page area from the page template's size in the sheet font's dialog
// units, while the page lays its controls out in its own template's font. Where the two
// fonts measure differently (a template font the system lacks, replaced by one of other
// metrics), the page is built from a copy of its template in the sheet's font, so that the
// area and what is in it are measured alike. Where they measure alike the template is used
// as it is.
bool CPropertyPage::TakeSheetFont(const DialogFont& sheetFont) {
  m_template = CDialogTemplate();
  DialogFont own;
  const WORD kMessageBoxFont = 0x7FFF;  // a size that stands for another font altogether
  if (sheetFont.pointSize == kMessageBoxFont ||
      !m_template.Load(AfxGetResourceHandle(), GetTemplateId()) || !m_template.GetFont(&own)) {
    m_template = CDialogTemplate();
    return false;
  }
  const SIZE sheetUnits = DialogBaseUnits(sheetFont);
  const SIZE ownUnits = DialogBaseUnits(own);
  if ((ownUnits.cx == sheetUnits.cx && ownUnits.cy == sheetUnits.cy) || !sheetUnits.cx ||
      !m_template.SetFont(sheetFont)) {
    m_template = CDialogTemplate();
    return false;
  }
  m_ownFont = own;
  return true;
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

bool CPropertyPage::OnNotify(NMHDR* header, LRESULT* result) {
  if (header->hwndFrom == ::GetParent(m_hWnd)) {
    switch (header->code) {
      case PSN_SETACTIVE:
        *result = OnSetActive() ? 0 : -1;
        return true;
      case PSN_APPLY:
        *result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return true;
      case PSN_RESET:
        OnReset();
        *result = 0;
        return true;
    }
  }
  return CDialog::OnNotify(header, result);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CPropertyPage* page;
  if (message == WM_INITDIALOG) {
    // For a page, the init parameter is the sheet's copy of PROPSHEETPAGE, which carries us.
    page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEW*>(lParam)->lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
    page->m_hWnd = hwnd;
  } else {
    page = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) get the dialog manager's default handling.
  if (!page)
    return FALSE;
  const INT_PTR handled = page->HandleDialogMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    page->m_hWnd = nullptr;
  }
  return handled;
}
