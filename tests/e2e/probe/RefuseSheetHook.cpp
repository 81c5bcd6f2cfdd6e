// A hook module in the program's thread that refuses the creation of its first top-level
// dialog window, which in a start with nothing to tell is the sheet's frame: a sheet that
// cannot be made, as when the system is out of window resources.
#include <windows.h>

extern "C" __declspec(dllexport) LRESULT CALLBACK RefuseSheetHook(int code, WPARAM wp, LPARAM lp) {
  static bool refused = false;
  if (code == HCBT_CREATEWND && !refused) {
    const CREATESTRUCTW* create = reinterpret_cast<const CBT_CREATEWNDW*>(lp)->lpcs;
    wchar_t name[16] = L"";
    GetClassNameW(reinterpret_cast<HWND>(wp), name, 16);
    if (!(create->style & WS_CHILD) && lstrcmpW(name, L"#32770") == 0) {
      refused = true;
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}
