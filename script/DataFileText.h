// How the client's Lua reads a data file: luaL_loadfile over the C runtime's text mode, which
// the program follows so that it sees exactly what the client sees.
#pragma once

#include <string>

// What text mode hands over: the bytes before the first 0x1A (Ctrl-Z), each CR LF as LF.
// *hidden tells whether anything but blanks and Ctrl-Zs followed the first 0x1A.
std::string TextModeView(std::string bytes, bool* hidden = nullptr);
// True when luaL_loadfile takes the text for a precompiled chunk: ESC first, or right after a
// '#' first line.
bool IsPrecompiledText(const std::string& text);
// IsPrecompiledText of the file's text-mode view, without making the whole view.
bool IsPrecompiledFile(const std::string& bytes);
// The source that lua_load reads: a '#' first line is left empty, so line numbers stay right.
std::string LuaSource(std::string text);
// A precompiled chunk is read again in binary, from the file's first ESC.
std::string PrecompiledChunk(const std::string& bytes);
