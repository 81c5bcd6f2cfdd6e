// CGdiObject: the one owner of a GDI handle; it deletes the handle in its destructor.
#pragma once

#include <windows.h>

class CGdiObject {
 public:
  CGdiObject() : m_hObject(nullptr) {}
  virtual ~CGdiObject() { DeleteObject(); }

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  // Takes ownership; a handle held before is deleted first.
  void Attach(HGDIOBJ object);
  // Gives up ownership without deleting.
  HGDIOBJ Detach();
  // Deletes the handle, if any; true when there was one and GDI deleted it.
  bool DeleteObject();

 protected:
  HGDIOBJ m_hObject;

 private:
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
};
