// CBitmap: an owned bitmap loaded from the module's resources.
#pragma once

#include "framework/CGdiObject.h"

class CBitmap : public CGdiObject {
 public:
  // The bitmap resource with an integer id; false (and no bitmap) when it is missing.
  bool LoadBitmap(HINSTANCE module, UINT id) {
    Attach(::LoadBitmapW(module, MAKEINTRESOURCEW(id)));
    return m_hObject != nullptr;
  }
  // Fills the 24-byte BITMAP record; returns the bytes stored (0 without a bitmap).
  int GetBitmap(BITMAP* info) const { return ::GetObjectA(m_hObject, sizeof(BITMAP), info); }
};
