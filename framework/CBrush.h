// CBrush: an owned brush; one that was never created stays a null handle.
#pragma once

#include "framework/CGdiObject.h"

class CBrush : public CGdiObject {
 public:
  bool CreateSolidBrush(COLORREF colour) {
    Attach(::CreateSolidBrush(colour));
    return m_hObject != nullptr;
  }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};
