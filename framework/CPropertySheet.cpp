// CPropertySheet: building the sheet, our own handling of its window, and its modal loop.
#include "framework/CPropertySheet.h"

#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {
// comctl32's own template of the sheet frame, whose font the frame is laid out in.
const UINT kSheetFrameTemplate = 1006;
}  // namespace

CPropertySheet::CPropertySheet(const char* caption, HWND parent, UINT firstPage) : m_psh() {
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags = PSH_DEFAULT;
  m_psh.hwndParent = parent;
  m_psh.pszCaption = caption;
  m_psh.nStartPage = firstPage;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  HWND current = m_hWnd ? PropSheet_GetCurrentPageHwnd(m_hWnd) : nullptr;
  for (CPropertyPage* page : m_pages)
    if (current && page->m_hWnd == current)
      return page;
  return nullptr;
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

INT_PTR CPropertySheet::DoModal() {
  // An application that routes the Help command gets Help buttons on the sheet and its pages.
  const bool help = AfxGetApp() && AfxGetApp()->IsHelpEnabled();
  CDialogTemplate frame;
  DialogFont frameFont;
  const bool fontKnown = frame.Load(GetModuleHandleW(L"comctl32.dll"), kSheetFrameTemplate) &&
                         frame.GetFont(&frameFont);
  std::vector<HPROPSHEETPAGE> handles;
  for (CPropertyPage* page : m_pages)
    handles.push_back(page->CreatePageHandle(help, fontKnown ? &frameFont : nullptr));
  m_psh.dwFlags &= ~PSH_PROPSHEETPAGE;
  m_psh.dwFlags |= PSH_MODELESS | (help ? PSH_HASHELP : 0);
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.nPages = static_cast<UINT>(handles.size());
  m_psh.phpage = handles.data();
  const INT_PTR created = PropertySheetA(&m_psh);
  if (created == 0 || created == -1)
    return -1;
  // A modeless sheet comes back built, its buttons laid out and nothing painted yet.
  m_hWnd = reinterpret_cast<HWND>(created);
  SetWindowSubclass(m_hWnd, &CPropertySheet::SheetProc, 0, reinterpret_cast<DWORD_PTR>(this));
  OnInitDialog();
  RunModalLoop();
  const INT_PTR result = PropSheet_GetResult(m_hWnd) > 0 ? IDOK : IDCANCEL;
  DestroyWindow();
  return result;
}

// The one message pump: the active page first (its tooltips), then the sheet's own dialog
// keys (Tab, Ctrl+Tab, Enter, Escape), else the usual translate and dispatch. The sheet marks
// itself closed after OK or Cancel by reporting no current page.
void CPropertySheet::RunModalLoop() {
  MSG msg;
  while (PropSheet_GetCurrentPageHwnd(m_hWnd)) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for whoever runs the outer loop
      return;
    }
    CPropertyPage* page = GetActivePage();
    if (page && page->PreTranslateMessage(&msg))
      continue;
    if (PropSheet_IsDialogMessage(m_hWnd, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

LRESULT CALLBACK CPropertySheet::SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
  CPropertySheet* sheet = reinterpret_cast<CPropertySheet*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &CPropertySheet::SheetProc, 0);
    sheet->m_hWnd = nullptr;
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  LRESULT result = 0;
  if (sheet->OnWndMsg(message, wParam, lParam, &result))
    return result;
  return DefSubclassProc(hwnd, message, wParam, lParam);
}
