// The driver's side of the show probe: a shared record and a thread hook in the program.
#include "ShowProbe.h"

#include "ShowProbeShared.h"

namespace e2e {

ShowWatch::ShowWatch()
    : m_map(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                               sizeof(ShowProbeShared), kShowProbeMapping)),
      m_shared(m_map ? MapViewOfFile(m_map, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ShowProbeShared))
                     : nullptr),
      m_module(LoadLibraryW(TESSARIL_E2E_PROBE_DLL)),
      m_hook(nullptr) {
  if (m_shared)
    ZeroMemory(m_shared, sizeof(ShowProbeShared));
}

ShowWatch::~ShowWatch() {
  if (m_hook)
    UnhookWindowsHookEx(m_hook);
  if (m_module)
    FreeLibrary(m_module);
  if (m_shared)
    UnmapViewOfFile(m_shared);
  if (m_map)
    CloseHandle(m_map);
}

bool ShowWatch::Attach(DWORD threadId) {
  FARPROC entry = m_module ? GetProcAddress(m_module, "ShowProbeHook") : nullptr;
  if (!entry || !m_shared)
    return false;
  m_hook =
      SetWindowsHookExW(WH_CALLWNDPROC, reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(entry)),
                        m_module, threadId);
  return m_hook != nullptr;
}

FirstShow ShowWatch::Result() const {
  FirstShow first;
  const ShowProbeShared* shared = static_cast<const ShowProbeShared*>(m_shared);
  if (shared && shared->seen) {
    first.seen = true;
    first.reset = shared->reset != FALSE;
    first.help = shared->help != FALSE;
    first.ok = shared->ok;
  }
  return first;
}

}  // namespace e2e
