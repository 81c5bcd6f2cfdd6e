// Replaces the array forms of new and delete so that tests can see every mode array freed.
#include "display/ModeArrayCounter.h"

#include <stdlib.h>

#include <new>

namespace {

// Only nothrow new[] is tracked: the library under test uses it, GoogleTest does not.
const int kTracked = 4096;
void* g_live[kTracked];
int g_liveCount;
int g_allocated;

bool Forget(void* p) {
  for (int i = 0; i < g_liveCount; ++i) {
    if (g_live[i] == p) {
      g_live[i] = g_live[--g_liveCount];
      return true;
    }
  }
  return false;
}

}  // namespace

int LiveModeArrays() { return g_liveCount; }
int ModeArraysAllocated() { return g_allocated; }

void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  void* p = malloc(size ? size : 1);
  if (p && g_liveCount < kTracked) {
    g_live[g_liveCount++] = p;
    ++g_allocated;
  }
  return p;
}

void* operator new[](size_t size) {
  void* p = malloc(size ? size : 1);
  if (!p)
    throw std::bad_alloc();
  return p;
}

void operator delete[](void* p) noexcept {
  Forget(p);
  free(p);
}

void operator delete[](void* p, size_t) noexcept { operator delete[](p); }
