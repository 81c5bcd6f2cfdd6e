// The script host: the process's Lua state and keyed lookups in the client's data files.
#pragma once

#include <windows.h>
// windows.h maps GetMessage to GetMessageA; the host's lookup keeps its own name.
#undef GetMessage

#include <stddef.h>

#include <string>

struct lua_State;
struct lua_Debug;
class CFile;

class CScriptHost {
 public:
  // Bounds of one run of a data file: real files stay far below both.
  static const int kRunInstructionBudget = 20000000;
  static const size_t kMemoryCeiling = 192u * 1024u * 1024u;

  CScriptHost();
  ~CScriptHost();

  // Saved option file ("savedata\OptionInfo.lua", source text only), falling back to the
  // client's defaults per file.
  int GetSavedOption(const char* key, int defaultValue);
  int GetSavedCommand(const char* key, int defaultValue);
  // Client's default option file; 0 when absent.
  int GetDefaultOption(const char* key);
  int GetDefaultCommand(const char* key);
  // Text from SetupMSG; empty when absent. Valid until the next successful GetMessage.
  const char* GetMessage(const char* key);

  // One "Table["key"] = value" line, written raw; they use none of the host's state.
  static bool WriteOptionInfoLine(CFile& file, const char* key, int value);
  static bool WriteCmdOnOffLine(CFile& file, const char* key, int value);

  // Bytes the Lua state holds at the moment.
  size_t MemoryInUse() const { return m_bytesInUse; }

 private:
  // A number truncated toward zero; values beyond the int range saturate, NaN gives the default.
  int GetNumber(const char* file, const char* table, const char* key, int defaultValue);
  const char* GetText(const char* table, const char* key);
  // On success the value is on top of the stack.
  bool Lookup(const char* file, const char* table, const char* key, int type);
  // On success the file's chunk is on top of the stack, not yet run.
  bool PrepareFile(const char* file);
  bool LoadChunk(const char* baseName);
  // Runs the chunk on top of the stack, then pushes table[key] if it has the type asked for.
  bool FindValue(const char* table, const char* key, int type);

  typedef void* (*Allocator)(void* ud, void* ptr, size_t osize, size_t nsize);

  CScriptHost(const CScriptHost&) = delete;
  CScriptHost& operator=(const CScriptHost&) = delete;

  static void* BoundedAlloc(void* ud, void* ptr, size_t osize, size_t nsize);
  static void BudgetHook(lua_State* L, lua_Debug* ar);
  // With `sourceOnly` a precompiled chunk counts as a file that does not compile.
  bool LoadCandidate(const std::string& path, bool sourceOnly);
  bool MakeFreshTables(const char* first, const char* second);
  void CollectGarbage();

  std::string m_message;
  lua_State* m_L;
  Allocator m_baseAlloc;
  void* m_baseAllocUd;
  size_t m_bytesInUse;
  // Set when a run was stopped by a bound; the next lookup starts from empty globals.
  bool m_boundHit;
  bool m_collecting;
};

extern CScriptHost g_scriptHost;
