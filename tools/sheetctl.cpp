// A small helper for `make run` without a display: waits for the sheet, picks a tab, cancels.
// Usage: sheetctl wait | tab N | cancel
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static HWND FindSheet(DWORD timeoutMs) {
  for (DWORD waited = 0; waited <= timeoutMs; waited += 100) {
    HWND sheet = FindWindowW(L"#32770", L"Tessaril Setup");
    if (sheet && IsWindowVisible(sheet))
      return sheet;
    Sleep(100);
  }
  return nullptr;
}

int main(int argc, char** argv) {
  if (argc < 2)
    return 2;
  HWND sheet = FindSheet(30000);
  if (!sheet) {
    fprintf(stderr, "sheetctl: no \"Tessaril Setup\" window\n");
    return 1;
  }
  if (!strcmp(argv[1], "tab") && argc > 2)
    SendMessageW(sheet, PSM_SETCURSEL, atoi(argv[2]), 0);
  else if (!strcmp(argv[1], "cancel"))
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  else if (strcmp(argv[1], "wait"))
    return 2;
  // Give the sheet time to paint what it was asked to show.
  Sleep(700);
  return 0;
}
