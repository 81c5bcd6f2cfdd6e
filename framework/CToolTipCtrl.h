// CToolTipCtrl: a tooltip window owned by a page, which destroys it with itself.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
 public:
  bool Create(HWND owner) {
    m_hWnd = ::CreateWindowExA(
        0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, owner, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
    return m_hWnd != nullptr;
  }

  // One tool covering the whole control window; the tooltip keeps its own copy of the text.
  // Without TTF_SUBCLASS the tooltip sees the mouse only through RelayEvent.
  bool AddTool(HWND control, const char* text) {
    TTTOOLINFOA info = {};
    // The size comctl32 5.8 knows as well as 6.0: the larger one is refused by 5.8.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = ::GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<char*>(text);
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
  }

  void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
};
