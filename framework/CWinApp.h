// The application object base and the process entry point that runs it.
#pragma once

#include "framework/MessageMap.h"

// The standard Help command; an application that routes it gets Help buttons on its sheets.
const UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
 public:
  // With no name the title is the executable's file name without extension.
  explicit CWinApp(const char* appName = nullptr);
  ~CWinApp() override;

  // The whole run; returning FALSE goes straight to ExitInstance.
  virtual BOOL InitInstance();
  // Returns the process exit code.
  virtual int ExitInstance();

  // True when the application's message map routes ID_HELP.
  bool IsHelpEnabled() const;

  void OnHelp();

  HINSTANCE m_hInstance;
  const char* m_pszAppName;

  DECLARE_MESSAGE_MAP()

 private:
  friend int AfxWinMain(HINSTANCE instance);
  char m_szTitle[MAX_PATH];
};

// Called by WinMain: initialises the module, runs the application object, returns its exit code.
int AfxWinMain(HINSTANCE instance);
CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();
// The framework's message box: the application's title as caption.
int AfxMessageBox(const char* text, UINT type = MB_OK);
