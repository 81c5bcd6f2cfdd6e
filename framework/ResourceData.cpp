// FindResourceData: one lookup for every kind of resource the program reads by hand.
#include "framework/ResourceData.h"

ResourceData FindResourceData(HMODULE module, LPCSTR type, UINT id, WORD language) {
  ResourceData found;
  if (!module)
    return found;
  HRSRC info = language ? FindResourceExA(module, type, MAKEINTRESOURCEA(id), language)
                        : FindResourceA(module, MAKEINTRESOURCEA(id), type);
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (data) {
    found.data = data;
    found.size = SizeofResource(module, info);
  }
  return found;
}
