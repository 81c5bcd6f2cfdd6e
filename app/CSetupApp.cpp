// CSetupApp: start-up, the modal sheet, saving and shut-down.
#include "app/CSetupApp.h"

#include <new>
#include <string>

#include "app/CSheetTurn.h"
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
#include "ui/resource.h"

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
    MessageBoxW(nullptr, text.c_str(), L"" SETUP_CAPTION, MB_OK | MB_ICONWARNING);
}

bool CSetupApp::LoadSettings(SavedFileFound& found, const SheetLanguage& language) {
  // Taken first: once memory has run out there may be none for it.
  const std::wstring outOfMemory = SheetText(language, IDS_OUT_OF_MEMORY);
  std::wstring notice;
  try {
    LoadRegistry();
    found = ReadOptionFileLines();
    LoadOptionInfo();
    // The message file is tried within start-up's time as well, so that one too slow for it is
    // known now; its tooltips then answer at once.
    g_scriptHost.GetMessage(GetName(kNameFirstSystemTip));
    g_scriptHost.EndBudget();
    notice = StartupNotice(found, g_scriptHost.UnreadFiles(), language);
  } catch (const std::bad_alloc&) {
    g_scriptHost.EndBudget();
    ShowSetupNotice(outOfMemory);
    return false;
  }
  // What the player must know before choosing anything: settings that could not be read.
  ShowSetupNotice(notice);
  return true;
}

void CSetupApp::SaveSettings(const SavedFileFound& found, const SheetLanguage& language) {
  const std::wstring outOfMemory = SheetText(language, IDS_SAVE_OUT_OF_MEMORY);
  std::wstring report;
  try {
    // The whole new file is composed before anything is written: memory that runs out while
    // composing it leaves every place as it was.
    ComposedOptionFile file = ComposeOptionBlock(WriteOptionFileLines(found));
    const RegistrySave registry = SaveRegistry();
    const bool fileSaved = SaveOptionInfo(file);
    report = SaveFailureNotice(file.save, fileSaved, registry, language);
  } catch (const std::bad_alloc&) {
    ShowSetupNotice(outOfMemory);
    return;
  }
  ShowSetupNotice(report);
}

BOOL CSetupApp::InitInstance() {
  // Before anything is read: one sheet at a time, and no start while another run saves.
  CSheetTurn turn;
  if (!turn.Take())
    return FALSE;
  if (!CRegistry::CreateInstance()) {
    AfxMessageBox("fail CRegistry::CrateInstance()", MB_OK);
    return FALSE;
  }
  InitNameTable();
  SetClientDefaults(&g_scriptHost);
  // Start-up's script work shares one time budget, the client guard's message included.
  g_scriptHost.StartBudget();
  // Nothing may be loaded or written while the game client runs.
  if (ClientWindowExists()) {
    ShowClientRunningNotice();
    return FALSE;
  }

  // An empty device list is no error: the System page then offers nothing.
  EnumerateVideoDevices(AcceptAllDevices);
  // The player's Windows display language, chosen once: both pages, the buttons and Setup's
  // own boxes speak it. What comes from the client's message file stays the client's.
  const SheetLanguage& language = GetSheetLanguage(GetUserDefaultUILanguage());
  SavedFileFound found;
  if (!LoadSettings(found, language))
    return FALSE;

  {
    CSetupOption systemPage(language.systemTemplate);
    CSetupCMD optionPage(language.optionTemplate);
    CSetupSheet sheet("Tessaril Setup", nullptr, 0, SheetButtons(language));
    sheet.AddPage(&systemPage);
    sheet.AddPage(&optionPage);
    // Only a failure matters: the System page's confirmation sets g_bAccepted.
    const INT_PTR result = sheet.DoModal();
    if (g_bAccepted)
      SaveSettings(found, language);
    else if (result == -1)
      ShowSetupNotice(SheetText(language, IDS_SHEET_FAILED));
  }  // destroyed in reverse order: sheet, Option page, System page
  return FALSE;
}

int CSetupApp::ExitInstance() {
  CRegistry::DestroyInstance();
  ReleaseVideoDevices();
  return CWinApp::ExitInstance();
}
