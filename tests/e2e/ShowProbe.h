// Watches, from a hook in the program's thread, the moment the setup sheet is first shown.
#pragma once

#include <windows.h>

namespace e2e {

struct FirstShow {
  bool seen = false;  // the sheet was shown while the hook watched
  bool reset = false;
  bool help = true;
  RECT ok = {};
};

class ShowWatch {
 public:
  ShowWatch();
  ~ShowWatch();
  // Hooks the thread; for a thread that has not run yet (a process started suspended), the
  // hook is there before the program makes any window.
  bool Attach(DWORD threadId);
  FirstShow Result() const;

 private:
  ShowWatch(const ShowWatch&) = delete;
  ShowWatch& operator=(const ShowWatch&) = delete;

  HANDLE m_map;
  void* m_shared;
  HMODULE m_module;
  HHOOK m_hook;
};

}  // namespace e2e
