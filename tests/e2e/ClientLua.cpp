// ClientLua: a Lua state of the driver's own, reading files as the client does.
#include "ClientLua.h"

#include <windows.h>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "GameTexts.h"

namespace e2e {

namespace {

// Runs the file in a fresh state; leaves the state open for reading its tables.
lua_State* RunFile(const std::wstring& path, ClientRead* read) {
  lua_State* L = luaL_newstate();
  if (!L)
    return nullptr;
  for (const char* table : {"OptionInfoList", "CmdOnOffList"}) {
    lua_newtable(L);
    lua_setfield(L, LUA_GLOBALSINDEX, table);
  }
  read->loads = luaL_loadfile(L, ToAnsi(path).c_str()) == 0;
  read->runs = read->loads && lua_pcall(L, 0, 0, 0) == 0;
  return L;
}

}  // namespace

ClientRead ReadAsClient(const std::wstring& path) {
  ClientRead read;
  if (lua_State* L = RunFile(path, &read))
    lua_close(L);
  return read;
}

int ClientNumber(const std::wstring& path, const char* table, const char* key, int fallback) {
  ClientRead read;
  lua_State* L = RunFile(path, &read);
  if (!L)
    return fallback;
  int value = fallback;
  if (read.runs) {
    lua_getfield(L, LUA_GLOBALSINDEX, table);
    if (lua_istable(L, -1)) {
      lua_getfield(L, -1, key);
      if (lua_type(L, -1) == LUA_TNUMBER)
        value = static_cast<int>(lua_tonumber(L, -1));
    }
  }
  lua_close(L);
  return value;
}

}  // namespace e2e
