// A hook module in the program's thread that catches the moment the setup sheet is about to
// show (WM_SHOWWINDOW, or a position change that shows it) and notes its button row then.
#include <windows.h>

#include "../ShowProbeShared.h"
#include "SharedRecord.h"

namespace {

bool IsSheetShowing(const CWPSTRUCT& call) {
  bool showing = false;
  if (call.message == WM_SHOWWINDOW)
    showing = call.wParam != 0;
  else if (call.message == WM_WINDOWPOSCHANGING)
    showing = (reinterpret_cast<const WINDOWPOS*>(call.lParam)->flags & SWP_SHOWWINDOW) != 0;
  if (!showing || GetParent(call.hwnd))
    return false;
  wchar_t text[32] = L"";
  GetWindowTextW(call.hwnd, text, 32);
  return lstrcmpW(text, L"Tessaril Setup") == 0;
}

void Note(HWND sheet) {
  SharedRecord<ShowProbeShared> record(kShowProbeMapping);
  ShowProbeShared* shared = record.get();
  if (shared && !shared->seen) {
    shared->reset = GetDlgItem(sheet, 1050) != nullptr;
    shared->help = GetDlgItem(sheet, IDHELP) != nullptr;
    if (HWND ok = GetDlgItem(sheet, IDOK)) {
      GetWindowRect(ok, &shared->ok);
      MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&shared->ok), 2);
    }
    shared->seen = 1;
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK ShowProbeHook(int code, WPARAM wp, LPARAM lp) {
  if (code >= 0 && IsSheetShowing(*reinterpret_cast<const CWPSTRUCT*>(lp)))
    Note(reinterpret_cast<const CWPSTRUCT*>(lp)->hwnd);
  return CallNextHookEx(nullptr, code, wp, lp);
}
