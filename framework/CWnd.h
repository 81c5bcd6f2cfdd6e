// CWnd: a non-owning window handle with the calls the pages and the sheet make, and the
// dispatch of window messages through the class's message map.
#pragma once

#include <windows.h>

#include <assert.h>

#include "framework/MessageMap.h"

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd() : m_hWnd(nullptr) {}

  // Binds the object to a window it does not own; the window outlives no one's destructor.
  void Attach(HWND hwnd) { m_hWnd = hwnd; }
  HWND Detach() {
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    return hwnd;
  }
  operator HWND() const { return m_hWnd; }

  // Every control wrapper sends through here. A debug build stops on a member that is bound
  // to no window (an id the template lacks) instead of sending into nothing.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    assert(::IsWindow(m_hWnd));
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  BOOL DestroyWindow();

  // Offered every message of the modal loop before it is dispatched; true swallows it.
  virtual BOOL PreTranslateMessage(MSG* msg);

  // Runs the handler that the message map names for the message; false when there is none.
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

  HWND m_hWnd;

 protected:
  // WM_NOTIFY: the map entry for the code and the sender's id.
  virtual bool OnNotify(NMHDR* header, LRESULT* result);

 private:
  bool CallHandler(const MessageMapEntry* entry, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT* result);
};
