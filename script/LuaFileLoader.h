// Loading a Lua data file as luaL_loadfile does, but reading it in binary mode.
#pragma once

struct lua_State;

// Returns what luaL_loadfile would (0 with the chunk pushed, or an error status). The C
// runtime's text mode ends a file at a 0x1A byte and would hide every later line, the
// program's own option block among them; in binary the lexer still takes CR LF as one line end.
// It runs inside a protected call, so it allocates only through Lua: the caller makes the
// chunk name ("@" and the path). With `sourceOnly` a precompiled chunk does not load: Lua 5.1
// runs crafted bytecode unchecked, so only files that no one else may write are taken as such.
int LoadLuaFile(lua_State* L, const char* path, const char* chunkName, bool sourceOnly);
// True when luaL_loadfile would read the file as a precompiled chunk (ESC first, or right
// after a '#' first line).
bool IsPrecompiledFile(const char* path);
