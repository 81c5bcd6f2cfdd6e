// The application object: the one run of the setup program.
#pragma once

#include <string>

#include "framework/CWinApp.h"

struct SavedFileFound;
struct SheetLanguage;

class CSetupApp : public CWinApp {
 public:
  CSetupApp();

  // Start-up, the modal sheet and saving; always FALSE, so the process then ends.
  BOOL InitInstance() override;
  int ExitInstance() override;

  DECLARE_MESSAGE_MAP()

 private:
  // True when the game client's window exists: its class and its title are both "Tessaril".
  static bool ClientWindowExists();
  // The notice in the client's own words (its message file), with no owner window.
  static void ShowClientRunningNotice();
  // One of Setup's own boxes, captioned "Setup"; nothing when there is nothing to tell.
  static void ShowSetupNotice(const std::wstring& text);
  // Loading, from the registry to the notice of what could not be read; false when memory ran
  // out (the player has been told).
  static bool LoadSettings(SavedFileFound& found, const SheetLanguage& language);
  // The three save steps, each independent; one message names whatever was not saved.
  static void SaveSettings(const SavedFileFound& found, const SheetLanguage& language);
};

extern CSetupApp theApp;
