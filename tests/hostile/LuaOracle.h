// What a lookup in the client's data files should answer, worked out in a Lua state of its own.
#pragma once

#include <string>

struct lua_State;

// Follows the documented lookup rules step by step (which candidate file, which tables are
// fresh, which fallback, which type qualifies, how a number becomes an int) over a second,
// independent Lua state, so that a damaged file that still loads gets a known answer.
// It keeps globals between lookups as the program's state does: replay the same lookups
// in the same order.
class LuaOracle {
 public:
  LuaOracle();
  ~LuaOracle();

  int Saved(const char* table, const char* key, int defaultValue);
  int Default(const char* table, const char* key);
  std::string Message(const char* key);

  // The source as the client's 32-bit Lua precompiles it; empty when it does not compile.
  static std::string Compile(const std::string& source);
  // True when the client's Lua compiles the file (`editorText`: undoing a byte-order mark or
  // UTF-16 first, as the program does for the saved file).
  static bool Compiles(const std::string& path, bool editorText);
  // A number as the program turns it into an int: toward zero, saturated, NaN the default.
  static int ToInt(double value, int defaultValue);

 private:
  LuaOracle(const LuaOracle&) = delete;
  LuaOracle& operator=(const LuaOracle&) = delete;

  static void* Alloc(void* ud, void* ptr, size_t osize, size_t nsize);
  static void Hook(lua_State* L, struct lua_Debug* ar);
  // The bytes the client's luaL_loadfile parses (text mode: up to the first 0x1A, CR LF as
  // LF); with `editorText` a byte-order mark or UTF-16 is undone first, as for the saved file.
  // False when the file cannot be read.
  static bool ReadAsClient(const std::string& path, bool editorText, std::string& chunk);
  static bool DecodeEditorText(std::string& bytes);
  bool Load(const char* baseName);
  // A precompiled chunk of a source-only file counts as one that does not load.
  bool LoadFile(const std::string& path, bool sourceOnly);
  void FreshTable(const char* name);
  // Runs the loaded chunk; then pushes table[key] when the table exists, else false.
  bool RunAndFetch(const char* table, const char* key);
  int Number(const char* table, const char* key, int defaultValue);

  lua_State* m_L;
  size_t m_bytes;
  bool m_boundHit;
};
