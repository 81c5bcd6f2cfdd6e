// CSetupApp: start-up, the modal sheet, saving and shut-down.
#include "app/CSetupApp.h"

#include <string>

#include "app/SetupNotices.h"
#include "app/SheetLanguages.h"
#include "display/VideoDevices.h"
#include "script/CScriptHost.h"
#include "script/OptionInfoFile.h"
#include "settings/CRegistry.h"
#include "settings/ClientDefaults.h"
#include "settings/NameTable.h"
#include "settings/RegistryStore.h"
#include "ui/CSetupCMD.h"
#include "ui/CSetupOption.h"
#include "ui/CSetupSheet.h"

// Routing the Help command is what gives the sheet its Help button, which becomes Reset.
BEGIN_MESSAGE_MAP(CSetupApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CSetupApp::CSetupApp() : CWinApp(nullptr) {}

bool CSetupApp::ClientWindowExists() { return FindWindowA("Tessaril", "Tessaril") != nullptr; }

void CSetupApp::ShowClientRunningNotice() {
  MessageBoxA(nullptr, g_scriptHost.GetMessage(GetName(kNameAlreadyClient)), "Message", MB_OK);
}

void CSetupApp::ShowSetupNotice(const std::wstring& text) {
  if (!text.empty())
    MessageBoxW(nullptr, text.c_str(), L"Setup", MB_OK | MB_ICONWARNING);
}

void CSetupApp::SaveSettings(OptionFileState& optionFile, const NoticeTexts& notices) {
  const bool linesSaved = WriteOptionFileLines(optionFile);
  const RegistrySave registry = SaveRegistry();
  const bool blockSaved = SaveOptionInfo(optionFile);
  ShowSetupNotice(SaveFailureNotice(optionFile, linesSaved && blockSaved, registry, notices));
}

BOOL CSetupApp::InitInstance() {
  if (!CRegistry::CreateInstance()) {
    AfxMessageBox("fail CRegistry::CrateInstance()", MB_OK);
    return FALSE;
  }
  InitNameTable();
  SetClientDefaults(&g_scriptHost);
  // Nothing may be loaded or written while the game client runs.
  if (ClientWindowExists()) {
    ShowClientRunningNotice();
    return FALSE;
  }

  // An empty device list is no error: the System page then offers nothing.
  EnumerateVideoDevices(AcceptAllDevices);
  LoadRegistry();
  OptionFileState optionFile = ReadOptionFileLines();
  LoadOptionInfo();
  // The player's Windows display language, chosen once: both pages, the buttons and Setup's
  // own boxes speak it. What comes from the client's message file stays the client's.
  const SheetLanguage& language = GetSheetLanguage(GetUserDefaultUILanguage());
  // What the player must know before choosing anything: settings that could not be read.
  ShowSetupNotice(StartupNotice(optionFile, language.notices));

  {
    CSetupOption systemPage(language.systemTemplate);
    CSetupCMD optionPage(language.optionTemplate);
    CSetupSheet sheet("Tessaril Setup", nullptr, 0, language.buttons);
    sheet.AddPage(&systemPage);
    sheet.AddPage(&optionPage);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    // The result does not matter: the System page's confirmation sets g_bAccepted.
    sheet.DoModal();
    if (g_bAccepted)
      SaveSettings(optionFile, language.notices);
  }  // destroyed in reverse order: sheet, Option page, System page
  return FALSE;
}

int CSetupApp::ExitInstance() {
  CRegistry::DestroyInstance();
  ReleaseVideoDevices();
  return CWinApp::ExitInstance();
}
