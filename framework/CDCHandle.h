// CDCHandle: a device context borrowed from a message or a caller; it is never released here.
#pragma once

#include <windows.h>

class CDCHandle {
 public:
  explicit CDCHandle(HDC dc = nullptr) : m_hDC(dc) {}

  COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
  COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(m_hDC, colour); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
  BOOL BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
              DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, rop);
  }
  operator HDC() const { return m_hDC; }

 protected:
  HDC m_hDC;
};
