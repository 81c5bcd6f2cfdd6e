// The application object base: title, help routing and the run from the entry point.
#include "framework/CWinApp.h"

#include <commctrl.h>
#include <string.h>

namespace {
CWinApp* g_pApp = nullptr;
HINSTANCE g_hResource = nullptr;
}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* appName) : m_hInstance(nullptr), m_pszAppName(appName), m_szTitle() {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this)
    g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

bool CWinApp::IsHelpEnabled() const { return FindMessageEntry(WM_COMMAND, 0, ID_HELP) != nullptr; }

// No help file ships with the program; the command only has to be routed.
void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() { return g_pApp; }

HINSTANCE AfxGetResourceHandle() { return g_hResource ? g_hResource : GetModuleHandleA(nullptr); }

int AfxMessageBox(const char* text, UINT type) {
  const char* caption = g_pApp && g_pApp->m_pszAppName ? g_pApp->m_pszAppName : "";
  if ((type & MB_ICONMASK) == 0)
    type |= MB_ICONEXCLAMATION;
  return MessageBoxA(GetActiveWindow(), text, caption, type);
}

int AfxWinMain(HINSTANCE instance) {
  CWinApp* app = g_pApp;
  if (!app)
    return -1;
  g_hResource = instance;
  app->m_hInstance = instance;
  if (!app->m_pszAppName) {
    // The title is the executable's file name without its extension.
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const char* name = strrchr(path, '\\');
    name = name ? name + 1 : path;
    lstrcpynA(app->m_szTitle, name, MAX_PATH);
    if (char* dot = strrchr(app->m_szTitle, '.'))
      *dot = '\0';
    app->m_pszAppName = app->m_szTitle;
  }
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  // There is no main window and so no message loop: a dialog-based application does its
  // whole run inside InitInstance, whatever that returns.
  app->InitInstance();
  return app->ExitInstance();
}
