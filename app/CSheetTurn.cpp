// CSheetTurn: the session's mutex, and the other run's sheet brought to the front.
#include "app/CSheetTurn.h"

namespace {

// In the session's own namespace: another user's sheet on the same machine is no concern.
const wchar_t kMutexName[] = L"Local\\Helvane.TessarilSetup.Sheet";
// How often a waiting start looks for the other run's sheet.
const DWORD kLookEveryMs = 100;

struct SheetSearch {
  DWORD self;
  HWND found;
};

BOOL CALLBACK MatchSheet(HWND window, LPARAM lp) {
  SheetSearch* search = reinterpret_cast<SheetSearch*>(lp);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t className[16] = L"";
  wchar_t title[32] = L"";
  GetClassNameW(window, className, 16);
  GetWindowTextW(window, title, 32);
  if (process != search->self && IsWindowVisible(window) && !lstrcmpW(className, L"#32770") &&
      !lstrcmpW(title, L"Tessaril Setup")) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The other run's sheet once it is shown; null while it has none (starting, or saving).
HWND FindOtherSheet() {
  SheetSearch search = {GetCurrentProcessId(), nullptr};
  EnumWindows(MatchSheet, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The sheet, or the box it is showing (the save's confirmation, say), where the player can act.
void BringToFront(HWND sheet) {
  if (IsIconic(sheet))
    ShowWindow(sheet, SW_RESTORE);
  HWND front = GetLastActivePopup(sheet);
  SetForegroundWindow(front ? front : sheet);
}

}  // namespace

CSheetTurn::CSheetTurn() : m_mutex(CreateMutexW(nullptr, FALSE, kMutexName)), m_held(false) {}

CSheetTurn::~CSheetTurn() {
  if (m_held)
    ReleaseMutex(m_mutex);
  if (m_mutex)
    CloseHandle(m_mutex);
}

bool CSheetTurn::Take() {
  // Without the mutex there is nothing to wait for: the run goes on, as one always did.
  if (!m_mutex)
    return true;
  for (;;) {
    // An abandoned mutex is the turn of a run that ended without letting go.
    const DWORD wait = WaitForSingleObject(m_mutex, kLookEveryMs);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
      m_held = true;
      return true;
    }
    if (wait != WAIT_TIMEOUT)
      return true;
    if (HWND sheet = FindOtherSheet()) {
      BringToFront(sheet);
      return false;
    }
  }
}
