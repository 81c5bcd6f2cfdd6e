// A hook module that the driver has the system load into the program's process: there it asks
// one control for its font, which WM_GETFONT from another process cannot report.
#include <windows.h>

#include "../FontProbeShared.h"
#include "SharedRecord.h"

namespace {

bool g_inHook = false;

void Probe() {
  SharedRecord<FontProbeShared> record(kFontProbeMapping);
  FontProbeShared* shared = record.get();
  if (shared && shared->target && !shared->done) {
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(shared->target, WM_GETFONT, 0, 0));
    shared->hasFont = font && GetObjectW(font, sizeof shared->font, &shared->font) != 0;
    shared->done = 1;
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK FontProbeHook(int code, WPARAM wp, LPARAM lp) {
  // The probe's own WM_GETFONT passes through this hook again.
  if (code >= 0 && !g_inHook) {
    g_inHook = true;
    Probe();
    g_inHook = false;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}
