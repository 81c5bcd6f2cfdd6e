// CPaintDC: the paint context of one WM_PAINT, owned for that message: on exit it puts back
// what its selections replaced and ends painting, which releases the context.
#pragma once

#include "framework/CDC.h"

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(HWND hwnd) : m_hWnd(hwnd), m_ps() { m_hDC = ::BeginPaint(hwnd, &m_ps); }
  ~CPaintDC() {
    RestoreSelections();
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;  // released by EndPaint, not deleted
  }

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_ps;
};
