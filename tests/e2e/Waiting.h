// Bounded waiting that keeps the driver's own windows answering.
#pragma once

#include <windows.h>

namespace e2e {

// Dispatches the driver thread's pending messages.
inline void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline void SleepPumping(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    PumpMessages();
    Sleep(10);
  } while (GetTickCount() - start < ms);
}

// Polls `done` every 20 ms until it holds or `timeoutMs` has passed; returns its last answer.
template <class Condition>
bool WaitUntil(DWORD timeoutMs, Condition done) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (done())
      return true;
    if (GetTickCount() - start >= timeoutMs)
      return false;
    Sleep(20);
  }
}

}  // namespace e2e
