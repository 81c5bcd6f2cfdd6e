// CPropertySheet: building the sheet, our own handling of its window, and its modal loop.
#include "framework/CPropertySheet.h"

#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

namespace {
// comctl32's own template of the sheet frame, whose font the frame is laid out in.
const UINT kSheetFrameTemplate = 1006;
// The sheet whose PropertySheet call is running: the sheet callback is given no pointer of
// its own, and one thread makes one sheet at a time.
CPropertySheet* g_creatingSheet = nullptr;
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
  m_psh.dwFlags |= PSH_MODELESS | PSH_USECALLBACK | (help ? PSH_HASHELP : 0);
  m_psh.pfnCallback = &CPropertySheet::SheetCallback;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.nPages = static_cast<UINT>(handles.size());
  m_psh.phpage = handles.data();
  g_creatingSheet = this;
  const INT_PTR created = PropertySheetA(&m_psh);
  g_creatingSheet = nullptr;
  if (created == 0 || created == -1)
    return -1;
  if (!m_hWnd)  // no initialisation call came: take the sheet over now, still hidden
    Initialize(reinterpret_cast<HWND>(created));
  const bool looped = RunModalLoop();
  if (!m_hWnd)  // destroyed from within: nothing was applied
    return looped ? IDCANCEL : -1;
  const INT_PTR result = !looped ? -1 : PropSheet_GetResult(m_hWnd) > 0 ? IDOK : IDCANCEL;
  DestroyWindow();
  return result;
}

// The sheet is made hidden (PSCB_PRECREATE) and takes its own dialog initialisation while
// comctl32 initialises it (PSCB_INITIALIZED), so no frame of the unfinished sheet is shown.
int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM lParam) {
  CPropertySheet* sheet = g_creatingSheet;
  if (!sheet)
    return 0;
  if (message == PSCB_PRECREATE && lParam) {
    BYTE* frame = reinterpret_cast<BYTE*>(lParam);
    *reinterpret_cast<DWORD*>(frame + TemplateStyleOffset(frame)) &= ~WS_VISIBLE;
  } else if (message == PSCB_INITIALIZED) {
    sheet->Initialize(hwnd);
  }
  return 0;
}

void CPropertySheet::Initialize(HWND hwnd) {
  m_hWnd = hwnd;
  SetWindowSubclass(m_hWnd, &CPropertySheet::SheetProc, 0, reinterpret_cast<DWORD_PTR>(this));
  OnInitDialog();
}

// The one message pump: the active page first (its tooltips), then the sheet's own dialog
// keys (Tab, Ctrl+Tab, Enter, Escape), else the usual translate and dispatch. The sheet is
// shown when the loop first finds nothing to do, with everything its creation queued done.
// It marks itself closed after OK or Cancel by reporting no current page.
bool CPropertySheet::RunModalLoop() {
  MSG msg = {};
  bool shown = false;
  while (m_hWnd && PropSheet_GetCurrentPageHwnd(m_hWnd)) {
    if (!shown && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      ShowWindow(m_hWnd, SW_SHOWNORMAL);
      shown = true;
    }
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1)
      return false;  // no message to act on; the caller closes the sheet
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for whoever runs the outer loop
      return true;
    }
    CPropertyPage* page = GetActivePage();
    if (page && page->PreTranslateMessage(&msg))
      continue;
    if (PropSheet_IsDialogMessage(m_hWnd, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
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
