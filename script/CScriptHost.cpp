// CScriptHost: loading and running the client's data files under bounds, and the keyed
// lookups over them.
#include "script/CScriptHost.h"

#include <limits.h>
#include <string.h>

#include <algorithm>
#include <new>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "script/ChunkLayout.h"
#include "script/DataFileText.h"
#include "script/SavedOptionFile.h"
#include "script/ScriptPlatform.h"
#include "settings/NameTable.h"

namespace {

// Registry slot that carries one value out of a protected call. Reading it back with
// lua_rawgeti never allocates, so nothing after the call can raise a memory error.
const int kResultSlot = 1;
// The count hook checks the bounds this often.
const int kHookInterval = 1000;
// The parser is fed this much at a time, so that the clock is seen often even while a
// quadratic parse (thousands of elseif branches) crawls through its input.
const size_t kReadPiece = 1024;
// Stopped files remembered at most; older ones are forgotten.
const size_t kStoppedFilesKept = 32;
// The file argument of a text that is no data file.
const int kNoDataFile = -1;

bool Elapsed(unsigned long start, unsigned long budget) {
  return static_cast<unsigned long>(TickMs() - start) > budget;
}

// Feeds lua_load from memory and ends the input once the run's time is up: compiling is part
// of the run.
struct ChunkReader {
  const std::string* bytes;
  size_t next;
  unsigned long start;
  unsigned long limitMs;
  bool timedOut;
};

const char* ReadPiece(lua_State*, void* ud, size_t* size) {
  ChunkReader* reader = static_cast<ChunkReader*>(ud);
  *size = 0;
  if (reader->next >= reader->bytes->size())
    return nullptr;
  if (Elapsed(reader->start, reader->limitMs)) {
    reader->timedOut = true;
    return nullptr;
  }
  const size_t left = reader->bytes->size() - reader->next;
  *size = left < kReadPiece ? left : kReadPiece;
  const char* piece = reader->bytes->data() + reader->next;
  reader->next += *size;
  return piece;
}

struct LoadCall {
  ChunkReader* reader;
  const char* chunkName;
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
  call->status = lua_load(L, ReadPiece, call->reader, call->chunkName);
  if (call->status == 0)
    lua_rawseti(L, LUA_REGISTRYINDEX, kResultSlot);
  return 0;
}

// What a file whose run was stopped runs from then on: the same failure, at once.
int StoppedRun(lua_State* L) { return luaL_error(L, "stopped by a bound before"); }

int ProtectedPushStoppedRun(lua_State* L) {
  lua_pushcfunction(L, StoppedRun);
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

int TruncateToInt(double value, int fallback) {
  if (value != value)
    return fallback;
  if (value >= 2147483648.0)
    return INT_MAX;
  if (value <= -2147483649.0)
    return INT_MIN;
  return static_cast<int>(value);
}

// Enough to tell one version of a file from another, eight bytes at a time: every lookup
// takes the fingerprint of a file that may be megabytes long.
uint64_t Fingerprint(const std::string& bytes) {
  uint64_t hash = 14695981039346656037ull ^ bytes.size();
  size_t at = 0;
  for (; at + 8 <= bytes.size(); at += 8) {
    uint64_t word;
    memcpy(&word, bytes.data() + at, 8);
    hash = (hash ^ word) * 1099511628211ull;
    hash ^= hash >> 29;
  }
  for (; at < bytes.size(); ++at)
    hash = (hash ^ static_cast<unsigned char>(bytes[at])) * 1099511628211ull;
  return hash;
}

}  // namespace

CScriptHost::CScriptHost()
    : m_L(luaL_newstate()),
      m_baseAlloc(nullptr),
      m_baseAllocUd(nullptr),
      m_bytesInUse(0),
      m_boundHit(false),
      m_collecting(false),
      m_running(false),
      m_runStart(0),
      m_runLimitMs(kRunTimeBudgetMs),
      m_runAllocated(0),
      m_runInstructions(0),
      m_runStopped(false),
      m_chunk(),
      m_chunkFile(kNoDataFile),
      m_budgetOn(false),
      m_budgetUsedMs(0),
      m_lookupStart(0) {
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
    const size_t growth = nsize - osize;
    const size_t room =
        host->m_bytesInUse < kMemoryCeiling ? kMemoryCeiling - host->m_bytesInUse : 0;
    bool refused = growth > room;
    if (host->m_running) {
      // A run that keeps little but asks for much (a string grown by copying) or takes too
      // long is stopped here as well as by the hook.
      refused = refused || growth > kRunAllocationBudget - host->m_runAllocated || host->OverTime();
      if (!refused)
        host->m_runAllocated += growth;
      host->m_runStopped = host->m_runStopped || refused;
    }
    if (refused) {
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

// Fires every kHookInterval instructions; ends a run that has used its instructions or time.
void CScriptHost::BudgetHook(lua_State* L, lua_Debug*) {
  void* ud = nullptr;
  lua_getallocf(L, &ud);
  CScriptHost* host = static_cast<CScriptHost*>(ud);
  host->m_runInstructions += kHookInterval;
  if (host->m_runInstructions < kRunInstructionBudget && !host->OverTime())
    return;
  host->m_boundHit = true;
  host->m_runStopped = true;
  luaL_error(L, "run stopped by a bound");
}

void CScriptHost::StartBudget() {
  m_budgetOn = true;
  m_budgetUsedMs = 0;
}

void CScriptHost::EndBudget() { m_budgetOn = false; }

int CScriptHost::GetSavedOption(const char* key, int defaultValue) {
  return GetNumber(kNameSavedOptionFile, GetName(kNameOptionInfoList), key, defaultValue);
}

int CScriptHost::GetSavedCommand(const char* key, int defaultValue) {
  return GetNumber(kNameSavedOptionFile, GetName(kNameCmdOnOffList), key, defaultValue);
}

int CScriptHost::GetDefaultOption(const char* key) {
  return GetNumber(kNameDefaultOptionFile, GetName(kNameOptionInfoList), key, 0);
}

int CScriptHost::GetDefaultCommand(const char* key) {
  return GetNumber(kNameDefaultOptionFile, GetName(kNameCmdOnOffList), key, 0);
}

const char* CScriptHost::GetMessage(const char* key) {
  return GetText(GetName(kNameSetupMsg), key);
}

bool CScriptHost::Compiles(const std::string& text) {
  if (!m_L || IsPrecompiledText(text))
    return false;
  const int top = lua_gettop(m_L);
  bool compiles = false;
  try {
    CollectGarbage();
    compiles = LoadBytes("(new file)", LuaSource(text), kNoDataFile);
  } catch (const std::bad_alloc&) {
    // Not known to compile.
  }
  EndRun();
  lua_settop(m_L, top);
  return compiles;
}

int CScriptHost::GetNumber(int file, const char* table, const char* key, int defaultValue) {
  if (!m_L)
    return defaultValue;
  BeginLookup();
  const int top = lua_gettop(m_L);
  int result = defaultValue;
  try {
    if (Lookup(file, table, key, LUA_TNUMBER))
      result = TruncateToInt(lua_tonumber(m_L, -1), defaultValue);
  } catch (const std::bad_alloc&) {
    // Out of memory for a file's bytes or name: the default stands.
  }
  EndLookup();
  // The whole lookup leaves the stack as it found it, the table included.
  lua_settop(m_L, top);
  return result;
}

const char* CScriptHost::GetText(const char* table, const char* key) {
  if (!m_L)
    return "";
  BeginLookup();
  const int top = lua_gettop(m_L);
  const char* result = "";
  try {
    if (Lookup(kNameMsgStringFile, table, key, LUA_TSTRING)) {
      // The copy stops at an embedded NUL, as every caller reads a C string.
      m_message.assign(lua_tolstring(m_L, -1, nullptr));
      result = m_message.c_str();
    }
  } catch (const std::bad_alloc&) {
    // The message text keeps its last value; this lookup answers the empty text.
  }
  EndLookup();
  lua_settop(m_L, top);
  return result;
}

bool CScriptHost::Lookup(int file, const char* table, const char* key, int type) {
  if (!m_L || !table || !key)
    return false;
  CollectGarbage();
  return PrepareFile(file) && FindValue(table, key, type);
}

bool CScriptHost::PrepareFile(int file) {
  if (file == kNameSavedOptionFile) {
    if (Refused(kNameSavedOptionFile))
      return false;  // as a run that failed: the client's defaults are not asked either
    if (!LoadSavedFile())
      return LoadChunk(kNameDefaultOptionFile);
    // Fresh tables let a file of single assignments run, and drop entries of earlier runs.
    if (MakeFreshTables(GetName(kNameCmdOnOffList), GetName(kNameOptionInfoList)))
      return true;
  } else if (file == kNameDefaultOptionFile) {
    return LoadChunk(kNameDefaultOptionFile);
  } else if (file == kNameMsgStringFile) {
    if (!LoadChunk(kNameMsgStringFile))
      return false;
    if (MakeFreshTables(GetName(kNameSetupMsg), nullptr))
      return true;
  } else {
    return false;
  }
  lua_settop(m_L, -2);  // the chunk, whose tables could not be made
  return false;
}

bool CScriptHost::LoadChunk(int file) {
  const char* name = GetName(file);
  if (!name || Refused(file))
    return false;
  const std::string base(name);
  return LoadDataFile(file, base + ".lub") || LoadDataFile(file, base + ".lua");
}

bool CScriptHost::FindValue(const char* table, const char* key, int type) {
  const int base = lua_gettop(m_L) - 1;
  lua_sethook(m_L, BudgetHook, LUA_MASKCOUNT, kHookInterval);
  const int status = lua_pcall(m_L, 0, 0, 0);
  lua_sethook(m_L, nullptr, 0, 0);
  const bool stopped = m_runStopped;
  EndRun();
  if (status != 0) {
    lua_settop(m_L, base);  // drops the error text
    if (stopped && m_chunkFile != kNoDataFile) {
      Remember(m_chunk, false);
      if (m_budgetOn)
        NoteUnread(m_chunkFile, m_chunk.path, false);
    }
    return false;
  }
  FetchCall call = {table, key, false};
  if (lua_cpcall(m_L, ProtectedFetch, &call) != 0 || !call.isTable)
    return false;
  lua_rawgeti(m_L, LUA_REGISTRYINDEX, kResultSlot);
  return lua_type(m_L, -1) == type;
}

bool CScriptHost::LoadDataFile(int file, const std::string& path) {
  std::string bytes;
  const FileRead read = ReadWholeFile(path, bytes);
  if (read == FileRead::kTooLarge)
    NoteUnread(file, path, true);
  if (read != FileRead::kRead)
    return false;
  // A chunk is read again in binary, as luaL_loadfile reopens the file for it, and is made
  // from a 32-bit Lua: re-laid here, out of any Lua call, as it may run out of memory.
  if (IsPrecompiledFile(bytes))
    return LoadBytes(path, NativeChunk(PrecompiledChunk(bytes)), file);
  return LoadBytes(path, LuaSource(TextModeView(std::move(bytes))), file);
}

bool CScriptHost::LoadSavedFile() {
  // Anyone may write the saved file while the program runs as administrator, and Lua 5.1
  // runs crafted bytecode unchecked: it is taken only as source text, from its one path (or
  // the client's virtualized copy of it).
  SavedFileText saved = ReadSavedOptionFile();
  if (saved.status != SavedFileStatus::kText)
    return false;
  return LoadBytes(saved.path, LuaSource(std::move(saved.text)), kNameSavedOptionFile);
}

bool CScriptHost::LoadBytes(const std::string& path, const std::string& bytes, int file) {
  const bool remember = file != kNoDataFile;
  // Everything that may throw happens here, before the protected call.
  ChunkId id = {path, Fingerprint(bytes), bytes.size()};
  const std::string chunkName = "@" + path;
  if (const StoppedFile* stopped = remember ? FindStopped(id) : nullptr) {
    if (stopped->atLoad || lua_cpcall(m_L, ProtectedPushStoppedRun, nullptr) != 0)
      return false;
    lua_rawgeti(m_L, LUA_REGISTRYINDEX, kResultSlot);
    m_chunkFile = kNoDataFile;
    return true;
  }
  m_running = true;
  m_runStart = TickMs();
  m_runLimitMs = RunTimeLimit();
  m_runAllocated = 0;
  m_runInstructions = 0;
  m_runStopped = false;
  ChunkReader reader = {&bytes, 0, m_runStart, m_runLimitMs, false};
  LoadCall call = {&reader, chunkName.c_str(), -1};
  const bool loaded =
      lua_cpcall(m_L, ProtectedLoad, &call) == 0 && call.status == 0 && !reader.timedOut;
  if (!loaded) {
    // A parse cut short by the clock counts as failed even if what it read compiled.
    const bool stopped = reader.timedOut || m_runStopped;
    EndRun();
    if (stopped && remember) {
      Remember(id, true);
      if (m_budgetOn)
        NoteUnread(file, path, false);
    }
    return false;
  }
  lua_rawgeti(m_L, LUA_REGISTRYINDEX, kResultSlot);
  m_chunk = std::move(id);
  m_chunkFile = file;
  return true;
}

void CScriptHost::BeginLookup() { m_lookupStart = TickMs(); }

void CScriptHost::EndLookup() {
  EndRun();
  if (m_budgetOn)
    m_budgetUsedMs += static_cast<unsigned long>(TickMs() - m_lookupStart);
}

void CScriptHost::EndRun() { m_running = false; }

bool CScriptHost::OverTime() const { return m_running && Elapsed(m_runStart, m_runLimitMs); }

unsigned long CScriptHost::RunTimeLimit() const {
  unsigned long limit = kRunTimeBudgetMs;
  if (m_budgetOn) {
    limit = std::min(limit, kStartupBudgetMs / 3);
    limit = std::min(limit, BudgetLeft());
  }
  return limit;
}

unsigned long CScriptHost::BudgetLeft() const {
  const unsigned long used = m_budgetUsedMs + static_cast<unsigned long>(TickMs() - m_lookupStart);
  return used < kStartupBudgetMs ? kStartupBudgetMs - used : 0;
}

bool CScriptHost::Refused(int file) {
  for (const UnreadFile& unread : m_unread) {
    if (unread.file == file && !unread.tooLarge)
      return true;
  }
  if (!m_budgetOn || BudgetLeft() > 0)
    return false;
  NoteUnread(file, std::string(), false);
  return true;
}

void CScriptHost::NoteUnread(int file, const std::string& path, bool tooLarge) {
  try {
    for (UnreadFile& known : m_unread) {
      if (known.file != file || known.tooLarge != tooLarge)
        continue;
      if (!tooLarge || known.path == path) {
        if (known.path.empty())
          known.path = path;
        return;
      }
    }
    m_unread.push_back(UnreadFile{file, path, tooLarge});
  } catch (const std::bad_alloc&) {
    // Not noted: the player is not told of this file, which is read again.
  }
}

const CScriptHost::StoppedFile* CScriptHost::FindStopped(const ChunkId& id) const {
  for (const StoppedFile& stopped : m_stopped) {
    if (stopped.id == id)
      return &stopped;
  }
  return nullptr;
}

void CScriptHost::Remember(const ChunkId& id, bool atLoad) {
  try {
    if (m_stopped.size() >= kStoppedFilesKept)
      m_stopped.erase(m_stopped.begin());
    m_stopped.push_back(StoppedFile{id, atLoad});
  } catch (const std::bad_alloc&) {
    // Not remembered: the file is run again, under the same bounds.
  }
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
