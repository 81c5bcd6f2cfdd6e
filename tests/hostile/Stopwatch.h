// A wall-clock stopwatch for the bounds the lookups must keep.
#pragma once

#include <windows.h>

// Milliseconds since construction.
class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&m_start); }
  double Ms() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - m_start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER m_start;
};
