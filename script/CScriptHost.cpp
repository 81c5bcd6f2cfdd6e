// CScriptHost: loading and running the client's data files, and the keyed lookups over them.
#include "script/CScriptHost.h"

#include <limits.h>
#include <string.h>

#include <new>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "script/LuaFileLoader.h"
#include "script/OptionInfoFile.h"
#include "settings/NameTable.h"

namespace {

// Registry slot that carries one value out of a protected call. Reading it back with
// lua_rawgeti never allocates, so nothing after the call can raise a memory error.
const int kResultSlot = 1;

struct LoadCall {
  const char* path;
  const char* chunkName;
  bool sourceOnly;
  int status;
};

struct FreshTablesCall {
  const char* first;
  const char* second;
};

struct FetchCall {
  const char* table;
  const char* key;
  bool isTable;
};

int ProtectedLoad(lua_State* L) {
  LoadCall* call = static_cast<LoadCall*>(lua_touserdata(L, 1));
  call->status = LoadLuaFile(L, call->path, call->chunkName, call->sourceOnly);
  if (call->status == 0)
    lua_rawseti(L, LUA_REGISTRYINDEX, kResultSlot);
  return 0;
}

int ProtectedFreshTables(lua_State* L) {
  FreshTablesCall* call = static_cast<FreshTablesCall*>(lua_touserdata(L, 1));
  lua_createtable(L, 0, 0);
  lua_setfield(L, LUA_GLOBALSINDEX, call->first);
  if (call->second) {
    lua_createtable(L, 0, 0);
    lua_setfield(L, LUA_GLOBALSINDEX, call->second);
  }
  return 0;
}

int ProtectedFetch(lua_State* L) {
  FetchCall* call = static_cast<FetchCall*>(lua_touserdata(L, 1));
  lua_getfield(L, LUA_GLOBALSINDEX, call->table);
  if (lua_type(L, -1) != LUA_TTABLE)
    return 0;
  call->isTable = true;
  lua_pushstring(L, call->key);
  lua_gettable(L, -2);
  lua_rawseti(L, LUA_REGISTRYINDEX, kResultSlot);
  return 0;
}

int ProtectedResetGlobals(lua_State* L) {
  lua_createtable(L, 0, 0);
  lua_replace(L, LUA_GLOBALSINDEX);
  return 0;
}

int ProtectedCollect(lua_State* L) {
  lua_pushnil(L);
  lua_rawseti(L, LUA_REGISTRYINDEX, kResultSlot);
  // Each cycle halves Lua's string buffer, which a long concatenation may have blown up:
  // repeat while that still frees something.
  int kilobytes = lua_gc(L, LUA_GCCOUNT, 0);
  for (int round = 0; round < 16; ++round) {
    lua_gc(L, LUA_GCCOLLECT, 0);
    const int now = lua_gc(L, LUA_GCCOUNT, 0);
    if (now >= kilobytes)
      break;
    kilobytes = now;
  }
  return 0;
}

bool IsName(const char* file, int index) {
  const char* name = GetName(index);
  return name && strcmp(file, name) == 0;
}

int TruncateToInt(double value, int fallback) {
  if (value != value)
    return fallback;
  if (value >= 2147483648.0)
    return INT_MAX;
  if (value <= -2147483649.0)
    return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

CScriptHost::CScriptHost()
    : m_L(luaL_newstate()),
      m_baseAlloc(nullptr),
      m_baseAllocUd(nullptr),
      m_bytesInUse(0),
      m_boundHit(false),
      m_collecting(false) {
  if (!m_L)
    return;
  m_baseAlloc = lua_getallocf(m_L, &m_baseAllocUd);
  m_bytesInUse = static_cast<size_t>(lua_gc(m_L, LUA_GCCOUNT, 0)) * 1024 +
                 static_cast<size_t>(lua_gc(m_L, LUA_GCCOUNTB, 0));
  lua_setallocf(m_L, BoundedAlloc, this);
}

CScriptHost::~CScriptHost() {
  if (m_L) {
    lua_close(m_L);
    m_L = nullptr;
  }
}

void* CScriptHost::BoundedAlloc(void* ud, void* ptr, size_t osize, size_t nsize) {
  CScriptHost* host = static_cast<CScriptHost*>(ud);
  if (nsize > osize && !host->m_collecting) {
    const size_t room =
        host->m_bytesInUse < kMemoryCeiling ? kMemoryCeiling - host->m_bytesInUse : 0;
    if (nsize - osize > room) {
      host->m_boundHit = true;
      return nullptr;
    }
  }
  void* block = host->m_baseAlloc(host->m_baseAllocUd, ptr, osize, nsize);
  if (!block && nsize != 0) {
    // Lua raises on any failed call, even a shrink; keep the larger block instead.
    if (nsize <= osize)
      block = ptr;
    else
      return nullptr;
  }
  host->m_bytesInUse = host->m_bytesInUse - osize + nsize;
  return block;
}

// Fires once a run has executed its whole budget of instructions.
void CScriptHost::BudgetHook(lua_State* L, lua_Debug*) {
  void* host = nullptr;
  lua_getallocf(L, &host);
  static_cast<CScriptHost*>(host)->m_boundHit = true;
  lua_pushstring(L, "instruction budget exhausted");
  lua_error(L);
}

int CScriptHost::GetSavedOption(const char* key, int defaultValue) {
  return GetNumber(GetName(kNameSavedOptionFile), GetName(kNameOptionInfoList), key, defaultValue);
}

int CScriptHost::GetSavedCommand(const char* key, int defaultValue) {
  return GetNumber(GetName(kNameSavedOptionFile), GetName(kNameCmdOnOffList), key, defaultValue);
}

int CScriptHost::GetDefaultOption(const char* key) {
  return GetNumber(GetName(kNameDefaultOptionFile), GetName(kNameOptionInfoList), key, 0);
}

int CScriptHost::GetDefaultCommand(const char* key) {
  return GetNumber(GetName(kNameDefaultOptionFile), GetName(kNameCmdOnOffList), key, 0);
}

const char* CScriptHost::GetMessage(const char* key) {
  return GetText(GetName(kNameSetupMsg), key);
}

int CScriptHost::GetNumber(const char* file, const char* table, const char* key, int defaultValue) {
  if (!m_L)
    return defaultValue;
  const int top = lua_gettop(m_L);
  int result = defaultValue;
  try {
    if (Lookup(file, table, key, LUA_TNUMBER))
      result = TruncateToInt(lua_tonumber(m_L, -1), defaultValue);
  } catch (const std::bad_alloc&) {
    // Out of memory for a file name: the default stands.
  }
  // The whole lookup leaves the stack as it found it, the table included.
  lua_settop(m_L, top);
  return result;
}

const char* CScriptHost::GetText(const char* table, const char* key) {
  if (!m_L)
    return "";
  const int top = lua_gettop(m_L);
  const char* result = "";
  try {
    if (Lookup(GetName(kNameMsgStringFile), table, key, LUA_TSTRING)) {
      // The copy stops at an embedded NUL, as every caller reads a C string.
      m_message.assign(lua_tolstring(m_L, -1, nullptr));
      result = m_message.c_str();
    }
  } catch (const std::bad_alloc&) {
    // The message text keeps its last value; this lookup answers the empty text.
  }
  lua_settop(m_L, top);
  return result;
}

bool CScriptHost::Lookup(const char* file, const char* table, const char* key, int type) {
  if (!m_L || !file || !table || !key)
    return false;
  CollectGarbage();
  return PrepareFile(file) && FindValue(table, key, type);
}

bool CScriptHost::PrepareFile(const char* file) {
  if (IsName(file, kNameSavedOptionFile)) {
    // The saved file is one the player (or anyone) may write, while the program runs as
    // administrator: it is read as source text only, from its one ".lua" name.
    if (!LoadCandidate(SavedOptionFilePath(), true))
      return LoadChunk(GetName(kNameDefaultOptionFile));
    // Fresh tables let a file of single assignments run, and drop entries of earlier runs.
    if (MakeFreshTables(GetName(kNameCmdOnOffList), GetName(kNameOptionInfoList)))
      return true;
  } else if (IsName(file, kNameDefaultOptionFile)) {
    return LoadChunk(file);
  } else if (IsName(file, kNameMsgStringFile)) {
    if (!LoadChunk(file))
      return false;
    if (MakeFreshTables(GetName(kNameSetupMsg), nullptr))
      return true;
  } else {
    return false;
  }
  lua_settop(m_L, -2);  // the chunk, whose tables could not be made
  return false;
}

bool CScriptHost::LoadChunk(const char* baseName) {
  const std::string base(baseName);
  return LoadCandidate(base + ".lub", false) || LoadCandidate(base + ".lua", false);
}

bool CScriptHost::FindValue(const char* table, const char* key, int type) {
  const int base = lua_gettop(m_L) - 1;
  lua_sethook(m_L, BudgetHook, LUA_MASKCOUNT, kRunInstructionBudget);
  const int status = lua_pcall(m_L, 0, 0, 0);
  lua_sethook(m_L, nullptr, 0, 0);
  if (status != 0) {
    lua_settop(m_L, base);  // drops the error text
    return false;
  }
  FetchCall call = {table, key, false};
  if (lua_cpcall(m_L, ProtectedFetch, &call) != 0 || !call.isTable)
    return false;
  lua_rawgeti(m_L, LUA_REGISTRYINDEX, kResultSlot);
  return lua_type(m_L, -1) == type;
}

bool CScriptHost::LoadCandidate(const std::string& path, bool sourceOnly) {
  // Made here: nothing inside the protected call may throw.
  const std::string chunkName = "@" + path;
  LoadCall call = {path.c_str(), chunkName.c_str(), sourceOnly, -1};
  if (lua_cpcall(m_L, ProtectedLoad, &call) != 0 || call.status != 0)
    return false;
  lua_rawgeti(m_L, LUA_REGISTRYINDEX, kResultSlot);
  return true;
}

bool CScriptHost::MakeFreshTables(const char* first, const char* second) {
  FreshTablesCall call = {first, second};
  return lua_cpcall(m_L, ProtectedFreshTables, &call) == 0;
}

void CScriptHost::CollectGarbage() {
  // A run that hit the ceiling leaves its garbage at the ceiling, and the protected calls
  // that free it need a few bytes themselves: they alone may go past it.
  m_collecting = true;
  // A run stopped by a bound may have left most of the ceiling in a global: drop them all.
  // That is its own call, since the running call's closure holds on to the old globals.
  if (m_boundHit && lua_cpcall(m_L, ProtectedResetGlobals, nullptr) == 0)
    m_boundHit = false;
  lua_cpcall(m_L, ProtectedCollect, nullptr);
  m_collecting = false;
}
