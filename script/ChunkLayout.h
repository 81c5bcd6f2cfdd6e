// The client's precompiled data files come from a 32-bit Lua 5.1: their strings carry 4-byte
// lengths, which a 64-bit Lua reads as 8. These re-lay such a chunk for this build's lua_load.
#pragma once

#include <stddef.h>

#include <string>

// The chunk with every string length `width` bytes wide (4 or 8), all else byte for byte.
// Only Lua 5.1 chunks of a little-endian build with 4-byte ints and instructions and 8-byte
// floating-point numbers are re-laid; any other chunk, one already that wide, and one that is
// malformed anywhere come back unchanged.
std::string ChunkWithSizeWidth(const std::string& chunk, size_t width);
// What this build's lua_load is given for a chunk read from a data file: a 32-bit chunk in
// this build's layout, any other chunk as it is (a malformed one still does not load).
std::string NativeChunk(std::string chunk);
