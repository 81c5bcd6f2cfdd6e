// A seeded source of damage: random numbers and the ways a data file gets broken.
#pragma once

#include <stdint.h>

#include <string>

class Mutator {
 public:
  // The seed of a run: TESSARIL_HOSTILE_SEED when set (to replay a run), else a fixed one.
  static uint64_t RunSeed();

  explicit Mutator(uint64_t seed) : m_state(seed) {}

  uint64_t Next();
  // Uniform in [0, n); n > 0.
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
  bool Chance(uint32_t percent) { return Below(100) < percent; }
  int Between(int low, int high) { return low + static_cast<int>(Below(high - low + 1)); }

  // Damages the bytes in one of several ways and returns the name of that way:
  // truncated, bit-flipped, wrong header, NUL bytes, a slice cut, doubled or replaced.
  const char* Damage(std::string& bytes);

 private:
  uint64_t m_state;
};
