// ChunkLayout: one walk over a Lua 5.1 chunk that rewrites its string lengths to another width.
#include "script/ChunkLayout.h"

#include <stdint.h>

namespace {

// Lua 5.1, format 0, little-endian, int 4, size_t (at kSizeWidthAt), Instruction 4,
// lua_Number 8, not integral.
const char kHeader[] = "\x1bLuaQ\0\x01\x04\x04\x04\x08\0";
const size_t kHeaderSize = 12;
const size_t kSizeWidthAt = 8;
const size_t kIntSize = 4;
const size_t kInstructionSize = 4;
const size_t kNumberSize = 8;
// Lua's own bound on nested functions in a chunk; it refuses deeper ones anyway.
const int kMaxDepth = 200;

enum ConstantType { kNil = 0, kBoolean = 1, kNumber = 3, kString = 4 };

// The input still to read, and the output so far.
struct Relay {
  const unsigned char* at;
  size_t left;
  size_t from;  // width of a string length in the input
  size_t to;    // and in the output
  std::string out;
};

uint64_t ReadLittle(const unsigned char* bytes, size_t width) {
  uint64_t value = 0;
  for (size_t i = width; i-- > 0;) value = value << 8 | bytes[i];
  return value;
}

bool Copy(Relay& r, size_t size) {
  if (size > r.left)
    return false;
  r.out.append(reinterpret_cast<const char*>(r.at), size);
  r.at += size;
  r.left -= size;
  return true;
}

// An int, which Lua refuses when negative. As a count (`each` bytes at least per item) it
// must also fit in what is left, so a forged count ends the walk before anything is sized by it.
bool Int(Relay& r, uint32_t* count = nullptr, size_t each = 0) {
  if (r.left < kIntSize)
    return false;
  const uint64_t value = ReadLittle(r.at, kIntSize);
  if (value > INT32_MAX || !Copy(r, kIntSize) || (each && value > r.left / each))
    return false;
  if (count)
    *count = static_cast<uint32_t>(value);
  return true;
}

// A size_t length (0: no string), then that many bytes.
bool String(Relay& r) {
  if (r.left < r.from)
    return false;
  const uint64_t length = ReadLittle(r.at, r.from);
  r.at += r.from;
  r.left -= r.from;
  if (length > r.left || (r.to < 8 && length >> (8 * r.to) != 0))
    return false;
  for (size_t i = 0; i < r.to; ++i) r.out += static_cast<char>(length >> (8 * i));
  return Copy(r, static_cast<size_t>(length));
}

bool Constant(Relay& r) {
  if (r.left == 0)
    return false;
  const unsigned char type = *r.at;
  Copy(r, 1);
  switch (type) {
    case kNil:
      return true;
    case kBoolean:
      return Copy(r, 1);
    case kNumber:
      return Copy(r, kNumberSize);
    case kString:
      return String(r);
    default:
      return false;
  }
}

bool Function(Relay& r, int depth) {
  uint32_t n = 0;
  // Source name, first and last line, then upvalue, parameter, vararg and stack counts.
  if (depth > kMaxDepth || !String(r) || !Int(r) || !Int(r) || !Copy(r, 4))
    return false;
  if (!Int(r, &n, kInstructionSize) || !Copy(r, n * kInstructionSize))
    return false;
  if (!Int(r, &n, 1))
    return false;
  for (uint32_t i = 0; i < n; ++i) {
    if (!Constant(r))
      return false;
  }
  if (!Int(r, &n, 1))
    return false;
  for (uint32_t i = 0; i < n; ++i) {
    if (!Function(r, depth + 1))
      return false;
  }
  // Debug information: a line per instruction, locals with their ranges, upvalue names.
  if (!Int(r, &n, kIntSize) || !Copy(r, n * kIntSize))
    return false;
  if (!Int(r, &n, r.from + 2 * kIntSize))
    return false;
  for (uint32_t i = 0; i < n; ++i) {
    if (!String(r) || !Int(r) || !Int(r))
      return false;
  }
  if (!Int(r, &n, r.from))
    return false;
  for (uint32_t i = 0; i < n; ++i) {
    if (!String(r))
      return false;
  }
  return true;
}

bool IsWidth(size_t width) { return width == 4 || width == 8; }

}  // namespace

std::string ChunkWithSizeWidth(const std::string& chunk, size_t width) {
  if (!IsWidth(width) || chunk.size() < kHeaderSize)
    return chunk;
  const size_t from = static_cast<unsigned char>(chunk[kSizeWidthAt]);
  if (from == width || !IsWidth(from) || chunk.compare(0, kSizeWidthAt, kHeader, kSizeWidthAt) ||
      chunk.compare(kSizeWidthAt + 1, kHeaderSize - kSizeWidthAt - 1, kHeader + kSizeWidthAt + 1,
                    kHeaderSize - kSizeWidthAt - 1))
    return chunk;
  Relay r = {reinterpret_cast<const unsigned char*>(chunk.data()) + kHeaderSize,
             chunk.size() - kHeaderSize, from, width, chunk.substr(0, kHeaderSize)};
  r.out[kSizeWidthAt] = static_cast<char>(width);
  if (!Function(r, 1))
    return chunk;
  // Lua reads no further than the main function; what follows goes along as it was.
  Copy(r, r.left);
  return r.out;
}

std::string NativeChunk(std::string chunk) {
  if (sizeof(size_t) == 4 || chunk.size() <= kSizeWidthAt || chunk[kSizeWidthAt] != 4)
    return chunk;
  return ChunkWithSizeWidth(chunk, sizeof(size_t));
}
