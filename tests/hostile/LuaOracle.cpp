// LuaOracle: the lookup rules over a Lua state that the program never touches.
#include "LuaOracle.h"

#include <windows.h>

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

#include <utility>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "script/ChunkLayout.h"

namespace {

// The saved file: its ".lua" alone, as source text only.
const char kSavedFile[] = "savedata\\OptionInfo.lua";
const char kDefaultFile[] = "System\\LuaFiles514\\OptionInfo";
const char kMessageFile[] = "System\\LuaFiles514\\MsgString";
// Far above anything a generated file needs, so a run that hits them was endless.
const int kInstructionBudget = 20000000;
const size_t kMemoryCeiling = 192u * 1024u * 1024u;

int WriteChunk(lua_State*, const void* data, size_t size, void* ud) {
  static_cast<std::string*>(ud)->append(static_cast<const char*>(data), size);
  return 0;
}

}  // namespace

LuaOracle::LuaOracle() : m_L(nullptr), m_bytes(0), m_boundHit(false) {
  m_L = lua_newstate(Alloc, this);
}

LuaOracle::~LuaOracle() { lua_close(m_L); }

void* LuaOracle::Alloc(void* ud, void* ptr, size_t osize, size_t nsize) {
  LuaOracle* self = static_cast<LuaOracle*>(ud);
  if (nsize == 0) {
    free(ptr);
    self->m_bytes -= osize;
    return nullptr;
  }
  if (nsize > osize && self->m_bytes + (nsize - osize) > kMemoryCeiling) {
    self->m_boundHit = true;
    return nullptr;
  }
  void* block = realloc(ptr, nsize);
  if (!block)
    return nsize <= osize ? ptr : nullptr;
  self->m_bytes = self->m_bytes - osize + nsize;
  return block;
}

void LuaOracle::Hook(lua_State* L, lua_Debug*) {
  void* ud = nullptr;
  lua_getallocf(L, &ud);
  static_cast<LuaOracle*>(ud)->m_boundHit = true;
  luaL_error(L, "budget");
}

std::string LuaOracle::Compile(const std::string& source) {
  // Only the file loader skips a first line that starts with "#"; it skips one before a
  // precompiled chunk too, so the chunk keeps the line in front of it.
  std::string body = source;
  std::string firstLine;
  if (!body.empty() && body[0] == '#') {
    const size_t end = body.find('\n');
    firstLine = body.substr(0, end == std::string::npos ? body.size() : end + 1);
    body = "--" + body.substr(1);
  }
  lua_State* L = luaL_newstate();
  std::string chunk;
  if (luaL_loadbuffer(L, body.data(), body.size(), "=generated") == 0)
    lua_dump(L, WriteChunk, &chunk);
  lua_close(L);
  return chunk.empty() ? chunk : firstLine + ChunkWithSizeWidth(chunk, 4);
}

bool LuaOracle::Compiles(const std::string& path, bool editorText) {
  std::string bytes;
  if (!ReadAsClient(path, editorText, bytes))
    return false;
  lua_State* L = luaL_newstate();
  const bool compiles = luaL_loadbuffer(L, bytes.data(), bytes.size(), "=saved") == 0;
  lua_close(L);
  return compiles;
}

int LuaOracle::ToInt(double value, int defaultValue) {
  if (value != value)
    return defaultValue;
  if (value >= 2147483647.0)
    return INT_MAX;
  if (value <= -2147483648.0)
    return INT_MIN;
  return static_cast<int>(value);
}

bool LuaOracle::Load(const char* baseName) {
  // The precompiled candidate first; either may hold source or a chunk.
  for (const char* extension : {".lub", ".lua"}) {
    if (LoadFile(std::string(baseName) + extension, false))
      return true;
  }
  return false;
}

bool LuaOracle::LoadFile(const std::string& path, bool sourceOnly) {
  std::string bytes;
  if (!ReadAsClient(path, sourceOnly, bytes) ||
      (sourceOnly && !bytes.empty() && bytes[0] == '\x1b'))
    return false;
  // A chunk in the client's 32-bit layout is re-laid as the program does it, which is tested
  // on its own: here it only has to load where the program's does.
  if (!bytes.empty() && bytes[0] == '\x1b')
    bytes = NativeChunk(std::move(bytes));
  if (luaL_loadbuffer(m_L, bytes.data(), bytes.size(), path.c_str()) == 0)
    return true;
  lua_pop(m_L, 1);
  return false;
}

bool LuaOracle::DecodeEditorText(std::string& bytes) {
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    bytes.erase(0, 3);
    return true;
  }
  const bool little = bytes.compare(0, 2, "\xFF\xFE") == 0;
  if (!little && bytes.compare(0, 2, "\xFE\xFF") != 0)
    return true;
  if (bytes.size() % 2 != 0)
    return false;
  std::wstring wide;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const unsigned lo = static_cast<unsigned char>(bytes[little ? i : i + 1]);
    const unsigned hi = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
    wide += static_cast<wchar_t>(hi << 8 | lo);
  }
  bytes.clear();
  if (wide.empty())
    return true;
  BOOL lossy = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                       static_cast<int>(wide.size()), nullptr, 0, nullptr, &lossy);
  if (size <= 0 || lossy)
    return false;
  bytes.resize(size);
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                      &bytes[0], size, nullptr, &lossy);
  return !lossy;
}

bool LuaOracle::ReadAsClient(const std::string& path, bool editorText, std::string& chunk) {
  FILE* file = fopen(path.c_str(), "rb");
  if (!file)
    return false;
  std::string bytes;
  char buffer[65536];
  size_t got;
  while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0) bytes.append(buffer, got);
  const bool failed = ferror(file) != 0;
  fclose(file);
  if (failed || (editorText && !DecodeEditorText(bytes)))
    return false;
  // Text mode hands over the bytes before the first 0x1A, with every CR LF as LF.
  std::string text;
  for (size_t i = 0; i < bytes.size() && bytes[i] != '\x1a'; ++i) {
    if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
      text += bytes[i];
  }
  // A '#' first line becomes an empty line; a precompiled chunk (first, or behind that line)
  // is read again in binary from the file's first ESC.
  size_t start = 0;
  std::string prefix;
  if (!text.empty() && text[0] == '#') {
    const size_t lf = text.find('\n');
    start = lf == std::string::npos ? text.size() : lf + 1;
    prefix = "\n";
  }
  if (start < text.size() && text[start] == '\x1b') {
    chunk = bytes.substr(bytes.find('\x1b'));
    return true;
  }
  chunk = prefix + text.substr(start);
  return true;
}

void LuaOracle::FreshTable(const char* name) {
  lua_newtable(m_L);
  lua_setfield(m_L, LUA_GLOBALSINDEX, name);
}

bool LuaOracle::RunAndFetch(const char* table, const char* key) {
  lua_sethook(m_L, Hook, LUA_MASKCOUNT, kInstructionBudget);
  const int status = lua_pcall(m_L, 0, 0, 0);
  lua_sethook(m_L, nullptr, 0, 0);
  if (status != 0) {
    lua_pop(m_L, 1);
    if (m_boundHit) {
      // A stopped run may leave the ceiling's worth in globals: the next one starts empty.
      lua_newtable(m_L);
      lua_replace(m_L, LUA_GLOBALSINDEX);
      lua_gc(m_L, LUA_GCCOLLECT, 0);
      m_boundHit = false;
    }
    return false;
  }
  lua_getfield(m_L, LUA_GLOBALSINDEX, table);
  if (!lua_istable(m_L, -1)) {
    lua_pop(m_L, 1);
    return false;
  }
  lua_pushstring(m_L, key);
  lua_gettable(m_L, -2);
  lua_remove(m_L, -2);
  return true;
}

int LuaOracle::Number(const char* table, const char* key, int defaultValue) {
  if (!RunAndFetch(table, key))
    return defaultValue;
  const int value =
      lua_type(m_L, -1) == LUA_TNUMBER ? ToInt(lua_tonumber(m_L, -1), defaultValue) : defaultValue;
  lua_pop(m_L, 1);
  return value;
}

int LuaOracle::Saved(const char* table, const char* key, int defaultValue) {
  if (LoadFile(kSavedFile, true)) {
    FreshTable("CmdOnOffList");
    FreshTable("OptionInfoList");
  } else if (!Load(kDefaultFile)) {
    return defaultValue;  // the fallback is the whole client file, with no fresh tables
  }
  return Number(table, key, defaultValue);
}

int LuaOracle::Default(const char* table, const char* key) {
  if (!Load(kDefaultFile))
    return 0;
  return Number(table, key, 0);
}

std::string LuaOracle::Message(const char* key) {
  if (!Load(kMessageFile))
    return std::string();
  FreshTable("SetupMSG");
  if (!RunAndFetch("SetupMSG", key))
    return std::string();
  // The text ends at an embedded NUL, as the program hands out C strings.
  const std::string text = lua_type(m_L, -1) == LUA_TSTRING ? lua_tostring(m_L, -1) : "";
  lua_pop(m_L, 1);
  return text;
}
