// CGdiObject: ownership of one GDI handle.
#include "framework/CGdiObject.h"

void CGdiObject::Attach(HGDIOBJ object) {
  if (object != m_hObject)
    DeleteObject();
  m_hObject = object;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ object = m_hObject;
  m_hObject = nullptr;
  return object;
}

bool CGdiObject::DeleteObject() {
  HGDIOBJ object = Detach();
  return object && ::DeleteObject(object);
}
