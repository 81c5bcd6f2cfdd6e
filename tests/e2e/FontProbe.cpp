// The driver's side of the font probe: a shared record, a thread hook, one message to run it.
#include "FontProbe.h"

#include "FontProbeShared.h"
#include "Waiting.h"

namespace e2e {

ControlFont FontOf(HWND control) {
  ControlFont result;
  HANDLE map = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(FontProbeShared), kFontProbeMapping);
  if (!map)
    return result;
  FontProbeShared* shared = static_cast<FontProbeShared*>(
      MapViewOfFile(map, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(FontProbeShared)));
  HMODULE module = LoadLibraryW(TESSARIL_E2E_PROBE_DLL);
  FARPROC entry = module ? GetProcAddress(module, "FontProbeHook") : nullptr;
  HOOKPROC hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(entry));
  if (shared && hook) {
    ZeroMemory(shared, sizeof *shared);
    shared->target = control;
    HHOOK h =
        SetWindowsHookExW(WH_CALLWNDPROC, hook, module, GetWindowThreadProcessId(control, nullptr));
    if (h) {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(control, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
      WaitUntil(3000, [&] { return shared->done != 0; });
      UnhookWindowsHookEx(h);
    }
    result.probed = shared->done != 0;
    result.hasFont = shared->hasFont != FALSE;
    result.font = shared->font;
  }
  if (shared)
    UnmapViewOfFile(shared);
  CloseHandle(map);
  if (module)
    FreeLibrary(module);
  return result;
}

bool SameFont(const ControlFont& a, const ControlFont& b) {
  if (a.hasFont != b.hasFont)
    return false;
  if (!a.hasFont)
    return true;
  return wcscmp(a.font.lfFaceName, b.font.lfFaceName) == 0 && a.font.lfHeight == b.font.lfHeight &&
         a.font.lfWeight == b.font.lfWeight && a.font.lfCharSet == b.font.lfCharSet;
}

}  // namespace e2e
