// CScriptHost: each lookup loads and runs its data file afresh, in a bounded run.
#include "script/CScriptHost.h"

#include <limits.h>

#include <new>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "script/ChunkLayout.h"
#include "script/DataFileText.h"
#include "script/SavedOptionFile.h"

namespace {

// The file argument of a text that is no data file.
const int kNoDataFile = -1;

struct FetchCall {
  const char* table;
  const char* key;
  bool isTable;
};

int ProtectedFreshTable(lua_State* L) {
  const char* name = static_cast<const char*>(lua_touserdata(L, 1));
  lua_createtable(L, 0, 0);
  lua_setfield(L, LUA_GLOBALSINDEX, name);
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
  lua_rawseti(L, LUA_REGISTRYINDEX, BoundedLuaState::kResultSlot);
  return 0;
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

CScriptHost::CScriptHost(TickClock clock) : m_clock(clock), m_budget(clock) {}

bool CScriptHost::Compiles(const std::string& text) {
  lua_State* L = m_state.L();
  if (!L || IsPrecompiledText(text))
    return false;
  const int top = lua_gettop(L);
  bool compiles = false;
  try {
    m_state.CollectGarbage();
    ScriptRun run(m_state, m_clock);
    compiles = LoadBytes("(new file)", LuaSource(text), kNoDataFile, run);
  } catch (const std::bad_alloc&) {
    // Not known to compile.
  }
  lua_settop(L, top);
  return compiles;
}

template <typename Take>
void CScriptHost::Answer(int file, const char* table, const char* key, int type, Take take) {
  lua_State* L = m_state.L();
  if (!L)
    return;
  m_budget.BeginLookup();
  const int top = lua_gettop(L);
  try {
    if (Lookup(file, table, key, type))
      take(L);
  } catch (const std::bad_alloc&) {
    // Out of memory for a file's bytes, its name or the text: the default stands.
  }
  m_budget.EndLookup();
  // The whole lookup leaves the stack as it found it, the table included.
  lua_settop(L, top);
}

int CScriptHost::GetNumber(int file, const char* table, const char* key, int defaultValue) {
  int result = defaultValue;
  Answer(file, table, key, LUA_TNUMBER,
         [&](lua_State* L) { result = TruncateToInt(lua_tonumber(L, -1), defaultValue); });
  return result;
}

const char* CScriptHost::GetText(const char* table, const char* key) {
  const char* result = "";
  Answer(kNameMsgStringFile, table, key, LUA_TSTRING, [&](lua_State* L) {
    // The copy stops at an embedded NUL, as every caller reads a C string. Should it fail, the
    // message text keeps its last value and this lookup answers the empty text.
    m_message.assign(lua_tolstring(L, -1, nullptr));
    result = m_message.c_str();
  });
  return result;
}

bool CScriptHost::Lookup(int file, const char* table, const char* key, int type) {
  if (!m_state.L() || !table || !key)
    return false;
  m_state.CollectGarbage();
  ScriptRun run(m_state, m_clock);
  return PrepareFile(file, run) && FindValue(table, key, type, run);
}

bool CScriptHost::PrepareFile(int file, ScriptRun& run) {
  if (file == kNameSavedOptionFile) {
    if (Refused(kNameSavedOptionFile))
      return false;  // as a run that failed: the client's defaults are not asked either
    if (!LoadSavedFile(run))
      return LoadChunk(kNameDefaultOptionFile, run);
    // Fresh tables let a file of single assignments run, and drop entries of earlier runs.
    if (MakeFreshTables(GetName(kNameCmdOnOffList), GetName(kNameOptionInfoList)))
      return true;
  } else if (file == kNameDefaultOptionFile) {
    return LoadChunk(kNameDefaultOptionFile, run);
  } else if (file == kNameMsgStringFile) {
    if (!LoadChunk(kNameMsgStringFile, run))
      return false;
    if (MakeFreshTables(GetName(kNameSetupMsg), nullptr))
      return true;
  } else {
    return false;
  }
  lua_settop(m_state.L(), -2);  // the chunk, whose tables could not be made
  return false;
}

bool CScriptHost::LoadChunk(int file, ScriptRun& run) {
  const char* name = GetName(file);
  if (!name || Refused(file))
    return false;
  const std::string base(name);
  return LoadDataFile(file, base + ".lub", run) || LoadDataFile(file, base + ".lua", run);
}

bool CScriptHost::FindValue(const char* table, const char* key, int type, ScriptRun& run) {
  lua_State* L = m_state.L();
  const int base = lua_gettop(L) - 1;
  if (run.Execute() != 0) {
    lua_settop(L, base);  // drops the error text
    NoteIfStopped(run, false);
    return false;
  }
  FetchCall call = {table, key, false};
  if (lua_cpcall(L, ProtectedFetch, &call) != 0 || !call.isTable)
    return false;
  lua_rawgeti(L, LUA_REGISTRYINDEX, BoundedLuaState::kResultSlot);
  return lua_type(L, -1) == type;
}

bool CScriptHost::LoadDataFile(int file, const std::string& path, ScriptRun& run) {
  std::string bytes;
  const FileRead read = ReadWholeFile(path, bytes);
  if (read == FileRead::kTooLarge)
    m_files.NoteUnread(file, path, true);
  if (read != FileRead::kRead)
    return false;
  // A chunk is read again in binary, as luaL_loadfile reopens the file for it, and is made
  // from a 32-bit Lua: re-laid here, out of any Lua call, as it may run out of memory.
  if (IsPrecompiledFile(bytes))
    return LoadBytes(path, NativeChunk(PrecompiledChunk(bytes)), file, run);
  return LoadBytes(path, LuaSource(TextModeView(std::move(bytes))), file, run);
}

bool CScriptHost::LoadSavedFile(ScriptRun& run) {
  // Anyone may write the saved file while the program runs as administrator, and Lua 5.1
  // runs crafted bytecode unchecked: it is taken only as source text, from its one path (or
  // the client's virtualized copy of it).
  SavedFileText saved = ReadSavedOptionFile();
  if (saved.status != SavedFileStatus::kText)
    return false;
  return LoadBytes(saved.path, LuaSource(std::move(saved.text)), kNameSavedOptionFile, run);
}

bool CScriptHost::LoadBytes(const std::string& path, const std::string& bytes, int file,
                            ScriptRun& run) {
  // Everything that may throw happens here, before the protected call.
  run.chunk = IdOfChunk(path, bytes);
  run.file = file;
  const std::string chunkName = "@" + path;
  const StoppedRun stopped = m_files.WhenStopped(run.chunk);
  if (stopped != StoppedRun::kNever) {
    // As it ended then: not loaded, or loaded as nothing callable, whose run fails at once.
    run.file = kNoDataFile;
    if (stopped == StoppedRun::kAtLoad)
      return false;
    lua_pushnil(m_state.L());
    return true;
  }
  if (run.Compile(bytes, chunkName.c_str(), m_budget.RunLimit(ScriptRun::kTimeBudgetMs)))
    return true;
  NoteIfStopped(run, true);
  return false;
}

void CScriptHost::NoteIfStopped(const ScriptRun& run, bool atLoad) {
  if (run.Stopped() && run.file != kNoDataFile)
    m_files.NoteStopped(run.chunk, run.file, atLoad, m_budget.On());
}

bool CScriptHost::Refused(int file) {
  if (m_files.CutShort(file))
    return true;
  if (!m_budget.Spent())
    return false;
  m_files.NoteUnread(file, std::string(), false);
  return true;
}

bool CScriptHost::MakeFreshTables(const char* first, const char* second) {
  lua_State* L = m_state.L();
  return lua_cpcall(L, ProtectedFreshTable, const_cast<char*>(first)) == 0 &&
         (!second || lua_cpcall(L, ProtectedFreshTable, const_cast<char*>(second)) == 0);
}
