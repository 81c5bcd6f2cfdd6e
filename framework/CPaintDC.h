// CPaintDC: the paint context of one WM_PAINT, owned for that message; ends painting on exit.
#pragma once

#include "framework/CDCHandle.h"

class CPaintDC : public CDCHandle {
 public:
  explicit CPaintDC(HWND hwnd) : m_hWnd(hwnd), m_ps() { m_hDC = ::BeginPaint(hwnd, &m_ps); }
  ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

 private:
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HWND m_hWnd;
  PAINTSTRUCT m_ps;
};
