// Mutator: splitmix64 numbers and the damage a data file can suffer on disk or in an editor.
#include "Mutator.h"

#include <stdlib.h>

namespace {

// Bytes that mean something to the Lua lexer or to the chunk loader.
const char* const kTokens[] = {"]]", "--[[", "\"", "\\",   "{",  "}",  "end",  "=",  "\n",
                               "\r", "\x1b", "#",  "[==[", "..", "\0", "\x1a", "0x", "e999"};

}  // namespace

uint64_t Mutator::RunSeed() {
  if (const char* text = getenv("TESSARIL_HOSTILE_SEED"))
    return strtoull(text, nullptr, 0);
  return 0x7e55a41c0ffee5ull;
}

uint64_t Mutator::Next() {
  uint64_t z = (m_state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

const char* Mutator::Damage(std::string& bytes) {
  const uint32_t size = static_cast<uint32_t>(bytes.size());
  switch (Below(8)) {
    case 0:
      bytes.resize(size ? Below(size) : 0);
      return "truncated";
    case 1: {
      const uint32_t flips = 1 + Below(8);
      for (uint32_t i = 0; size && i < flips; ++i)
        bytes[Below(size)] ^= static_cast<char>(1 << Below(8));
      return "bit-flipped";
    }
    case 2: {
      // The 12 header bytes of a precompiled chunk, or the first bytes of a source file.
      const uint32_t at = Below(12);
      if (at < size)
        bytes[at] = static_cast<char>(Next());
      else
        bytes.insert(0, 1, '\x1b');
      return "wrong header";
    }
    case 3: {
      const uint32_t count = 1 + Below(4);
      for (uint32_t i = 0; i < count; ++i) bytes.insert(size ? Below(size) : 0, 1, '\0');
      return "NUL bytes";
    }
    case 4: {
      const uint32_t at = size ? Below(size) : 0;
      bytes.erase(at, 1 + Below(64));
      return "slice cut";
    }
    case 5: {
      const uint32_t at = size ? Below(size) : 0;
      bytes.insert(at, bytes.substr(at, 1 + Below(64)));
      return "slice doubled";
    }
    case 6: {
      const uint32_t count = 1 + Below(6);
      for (uint32_t i = 0; size && i < count; ++i) bytes[Below(size)] = static_cast<char>(Next());
      return "bytes replaced";
    }
    default: {
      const uint32_t pick = Below(sizeof(kTokens) / sizeof(kTokens[0]));
      const std::string token = pick == 14 ? std::string(1, '\0') : std::string(kTokens[pick]);
      bytes.insert(size ? Below(size) : 0, token);
      return "token inserted";
    }
  }
}
