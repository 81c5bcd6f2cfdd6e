// Runs the real setup sheet in the test process and drives it from a timer inside its loop.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/SheetLanguages.h"
#include "settings/CRegistry.h"
#include "ui/CSetupCMD.h"
#include "ui/CSetupOption.h"
#include "ui/CSetupSheet.h"

// One step of a run; false asks for the same step again on the next tick (something it
// waits for is not there yet).
typedef std::function<bool()> SheetStep;

// The sheet with both pages, as start-up builds it.
struct SetupWindow {
  CSetupOption systemPage;
  CSetupCMD optionPage;
  CSetupSheet sheet{"Tessaril Setup", nullptr, 0,
                    SheetButtons(GetSheetLanguage(MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN)))};

  SetupWindow() {
    sheet.AddPage(&systemPage);
    sheet.AddPage(&optionPage);
  }
  // Runs the sheet modally, one step per tick; the last step should close it. A run that
  // hangs is failed and closed after a few seconds. Returns what DoModal returned.
  INT_PTR Run(std::vector<SheetStep> steps);

  // Step helpers.
  SheetStep Press(int button);  // PSBTN_OK, PSBTN_CANCEL
  SheetStep ShowTab(int index);
  // Waits for the "Setup" confirmation and answers it with IDOK or IDCANCEL.
  static SheetStep Answer(int answer);
  // Runs a check or an action once.
  static SheetStep Do(std::function<void()> action);
};

// The "Setup" confirmation box, or null.
HWND FindConfirmation();
std::wstring WindowText(HWND hwnd);

// A fresh record with the defaults and the real device list, and a private current folder.
class SheetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  CRegistry& Record() { return *CRegistry::GetInstance(); }

 private:
  std::string m_oldDir;
  std::string m_dir;
};
