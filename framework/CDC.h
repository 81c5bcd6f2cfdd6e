// CDCT: a device context and the GDI calls our painting makes, in two kinds kept apart as
// WTL keeps them: CDCHandle borrows a context (from a message or a caller) and never releases
// it; CDC owns one, and before deleting it puts back whatever its selections replaced.
#pragma once

#include <windows.h>

// The objects an owned context's selections replaced: the first bitmap, brush, pen and font,
// which a context must hold again when it is deleted. A borrowed context keeps nothing.
template <bool t_bOwned>
class CDCSelections {
 public:
  void Remember(HGDIOBJ) {}
  void Restore(HDC) {}
};

template <>
class CDCSelections<true> {
 public:
  CDCSelections() : m_original() {}
  CDCSelections(const CDCSelections&) = delete;
  CDCSelections& operator=(const CDCSelections&) = delete;

  void Remember(HGDIOBJ replaced) {
    const int slot = Slot(replaced);
    if (slot >= 0 && !m_original[slot])
      m_original[slot] = replaced;
  }
  void Restore(HDC dc) {
    for (HGDIOBJ& object : m_original) {
      if (object)
        ::SelectObject(dc, object);
      object = nullptr;
    }
  }

 private:
  static int Slot(HGDIOBJ object) {
    switch (::GetObjectType(object)) {
      case OBJ_BITMAP:
        return 0;
      case OBJ_BRUSH:
        return 1;
      case OBJ_PEN:
        return 2;
      case OBJ_FONT:
        return 3;
      default:
        return -1;  // a region's selection replaces nothing
    }
  }

  HGDIOBJ m_original[4];
};

template <bool t_bOwned>
class CDCT {
 public:
  explicit CDCT(HDC dc = nullptr) : m_hDC(dc) {}
  ~CDCT() {
    if (t_bOwned && m_hDC) {
      RestoreSelections();
      ::DeleteDC(m_hDC);
    }
  }

  COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
  COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(m_hDC, colour); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  HGDIOBJ SelectObject(HGDIOBJ object) {
    HGDIOBJ replaced = ::SelectObject(m_hDC, object);
    m_selections.Remember(replaced);
    return replaced;
  }
  BOOL BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
              DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, rop);
  }
  operator HDC() const { return m_hDC; }

 protected:
  // Selects back what the selections replaced; an owned context's last step before release.
  void RestoreSelections() { m_selections.Restore(m_hDC); }

  HDC m_hDC;

 private:
  CDCSelections<t_bOwned> m_selections;
};

typedef CDCT<false> CDCHandle;
typedef CDCT<true> CDC;
