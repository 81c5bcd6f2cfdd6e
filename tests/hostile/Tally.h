// Counts of what one hostile case tried, printed as its one summary line.
#pragma once

#include <windows.h>

#include <stdint.h>
#include <stdio.h>

#include <string>

struct Tally {
  explicit Tally(const char* name) : name(name) {}

  // Prints the summary; the seed lets anyone replay the run (TESSARIL_HOSTILE_SEED).
  void Print(uint64_t seed) const {
    printf("[hostile] %s: seed 0x%llx, %d files (%d damaged), %d lookups, slowest %.1f ms\n",
           name.c_str(), static_cast<unsigned long long>(seed), files, damaged, lookups, slowestMs);
    fflush(stdout);
  }

  std::string name;
  int files = 0;
  int damaged = 0;
  int lookups = 0;
  double slowestMs = 0;
};
