// CWnd: message dispatch through the message map.
#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BOOL CWnd::DestroyWindow() {
  HWND hwnd = Detach();
  return hwnd ? ::DestroyWindow(hwnd) : FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  *result = 0;
  if (message == WM_NOTIFY)
    return OnNotify(reinterpret_cast<NMHDR*>(lParam), result);
  UINT code = 0;
  UINT id = 0;
  if (message == WM_COMMAND) {
    code = HIWORD(wParam);
    id = LOWORD(wParam);
  }
  return CallHandler(FindMessageEntry(message, code, id), message, wParam, lParam, result);
}

bool CWnd::OnNotify(NMHDR* header, LRESULT* result) {
  const MessageMapEntry* entry =
      FindMessageEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
  return CallHandler(entry, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(header), result);
}

bool CWnd::CallHandler(const MessageMapEntry* entry, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT* result) {
  if (!entry)
    return false;
  switch (entry->signature) {
    case kSigVoid:
      (this->*entry->handler.generic)();
      break;
    case kSigNotify:
      (this->*entry->handler.notify)(reinterpret_cast<NMHDR*>(lParam), result);
      break;
    case kSigCtlColor: {
      // The control type is the offset of the message from WM_CTLCOLORMSGBOX (CTLCOLOR_xxx).
      const UINT type = message - WM_CTLCOLORMSGBOX;
      HBRUSH brush = (this->*entry->handler.ctlColor)(reinterpret_cast<HDC>(wParam),
                                                      reinterpret_cast<HWND>(lParam), type);
      *result = reinterpret_cast<LRESULT>(brush);
      break;
    }
    case kSigScroll:
      (this->*entry->handler.scroll)(LOWORD(wParam), HIWORD(wParam),
                                     reinterpret_cast<HWND>(lParam));
      break;
  }
  return true;
}
