// CButton: a push button or check box the window does not own; only what our pages send.
#pragma once

#include "framework/CWnd.h"

class CButton : public CWnd {
 public:
  // Creates a child button with a wide caption, so that its text reads the same on every code
  // page. The parent destroys it with itself.
  bool Create(const wchar_t* caption, DWORD style, const RECT& rect, HWND parent, UINT id) {
    m_hWnd = ::CreateWindowExW(
        0, L"BUTTON", caption, style, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    return m_hWnd != nullptr;
  }

  // BST_UNCHECKED (0) or BST_CHECKED (1) for our two-state boxes.
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  // The value is passed on as it is: the box decides what it shows for anything but 0 and 1.
  void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};
