// The timer-driven run of the setup sheet for the UI tests.
#include <gtest/gtest.h>

#include "SheetDriver.h"

#include <direct.h>
#include <stdlib.h>

#include "display/VideoDevices.h"
#include "script/CScriptHost.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {
const UINT kTickMs = 40;
const int kIdleTicksAllowed = 150;  // about six seconds without a step that could run

struct RunState {
  std::vector<SheetStep>* steps = nullptr;
  size_t next = 0;
  int idle = 0;
  CSetupSheet* sheet = nullptr;
};
RunState g_run;

// Thread timers also fire inside nested loops (the confirmation box), so a step that opened
// one is already counted as done before the next tick comes.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  RunState& run = g_run;
  if (run.next < run.steps->size()) {
    const size_t current = run.next++;
    if ((*run.steps)[current]()) {
      run.idle = 0;
      return;
    }
    run.next = current;
  }
  if (++run.idle == kIdleTicksAllowed) {
    ADD_FAILURE() << "the sheet did not close; stuck at step " << run.next;
    if (HWND box = FindConfirmation())
      PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    if (run.sheet->m_hWnd)
      PostMessageW(run.sheet->m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  }
}
}  // namespace

INT_PTR SetupWindow::Run(std::vector<SheetStep> steps) {
  g_run = RunState();
  g_run.steps = &steps;
  g_run.sheet = &sheet;
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &Tick);
  const INT_PTR result = sheet.DoModal();
  KillTimer(nullptr, timer);
  EXPECT_EQ(steps.size(), g_run.next) << "not every step ran";
  return result;
}

SheetStep SetupWindow::Press(int button) {
  return [this, button] {
    PostMessageW(sheet.m_hWnd, PSM_PRESSBUTTON, button, 0);
    return true;
  };
}

SheetStep SetupWindow::ShowTab(int index) {
  return [this, index] {
    SendMessageW(sheet.m_hWnd, PSM_SETCURSEL, index, 0);
    return true;
  };
}

SheetStep SetupWindow::Answer(int answer) {
  return [answer] {
    HWND box = FindConfirmation();
    if (!box)
      return false;
    PostMessageW(box, WM_COMMAND, answer, 0);
    return true;
  };
}

SheetStep SetupWindow::Do(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}

HWND FindConfirmation() { return FindWindowA("#32770", "Setup"); }

std::wstring WindowText(HWND hwnd) {
  wchar_t text[128] = L"";
  GetWindowTextW(hwnd, text, 128);
  return text;
}

void SheetTest::SetUp() {
  char cwd[MAX_PATH] = "";
  _getcwd(cwd, MAX_PATH);
  m_oldDir = cwd;
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info->name();
  for (char& c : name)
    if (c == '/')
      c = '-';
  m_dir = m_oldDir + "\\ui-" + name;
  system(("rmdir /s /q \"" + m_dir + "\" 2>nul").c_str());
  _mkdir(m_dir.c_str());
  ASSERT_EQ(0, _chdir(m_dir.c_str()));
  ASSERT_TRUE(CRegistry::CreateInstance());
  InitNameTable();
  SetClientDefaults(&g_scriptHost);
  EnumerateVideoDevices(AcceptAllDevices);
  Record().ResetToDefaults();
  g_bAccepted = false;
}

void SheetTest::TearDown() {
  CRegistry::DestroyInstance();
  ReleaseVideoDevices();
  _chdir(m_oldDir.c_str());
  system(("rmdir /s /q \"" + m_dir + "\" 2>nul").c_str());
}
