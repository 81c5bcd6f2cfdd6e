// The saved option file as the game client's Lua 5.1 reads it: luaL_loadfile (the C runtime's
// text mode), then a run with fresh OptionInfoList and CmdOnOffList tables.
#pragma once

#include <string>

namespace e2e {

struct ClientRead {
  bool loads = false;  // compiles (as source or chunk)
  bool runs = false;   // and runs without an error
};

// `path` is a Windows path.
ClientRead ReadAsClient(const std::wstring& path);
// One number the file gives a key, or `fallback`.
int ClientNumber(const std::wstring& path, const char* table, const char* key, int fallback);

}  // namespace e2e
