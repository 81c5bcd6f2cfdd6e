// CBitmap: an owned bitmap.
#pragma once

#include "framework/CGdiObject.h"

class CBitmap : public CGdiObject {
 public:
  // Fills the 24-byte BITMAP record; returns the bytes stored (0 without a bitmap).
  int GetBitmap(BITMAP* info) const { return ::GetObjectA(m_hObject, sizeof(BITMAP), info); }
};
