// Finding a resource's bytes in a module's image, by type, id and (optionally) language.
#pragma once

#include <windows.h>

// The bytes stay valid as long as the module is loaded; data is null and size 0 when the
// module has no such resource.
struct ResourceData {
  const void* data = nullptr;
  DWORD size = 0;
};

// type: RT_DIALOG, RT_BITMAP, RT_RCDATA, RT_STRING, ... (numbered types, so the 8-bit calls
// find them as the wide ones do). language 0 takes the resource as FindResource would (the
// thread's language, then neutral, then any); else that language only.
ResourceData FindResourceData(HMODULE module, LPCSTR type, UINT id, WORD language = 0);
