// The script host: the process's Lua state and keyed lookups in the client's data files.
#pragma once

#include <string>
#include <vector>

#include "script/ScriptRun.h"
#include "script/StartupBudget.h"
#include "settings/ClientDefaults.h"
#include "settings/NameTable.h"

// windows.h, in a file that has it, maps GetMessage to GetMessageA or GetMessageW: the lookup
// keeps its own name here, and answers to those as well, whichever header comes first.
#pragma push_macro("GetMessage")
#undef GetMessage

class CScriptHost : public ClientDefaults {
 public:
  typedef ::UnreadFile UnreadFile;

  // The bounds of each run and start-up's budget read `clock`.
  explicit CScriptHost(TickClock clock = TickMs);

  // From here to EndBudget every lookup shares StartupBudget::kBudgetMs; once it is spent,
  // each answers as a failed run does.
  void StartBudget() { m_budget.Start(); }
  void EndBudget() { m_budget.End(); }
  const std::vector<UnreadFile>& UnreadFiles() const { return m_files.Files(); }

  // Saved option file ("savedata\OptionInfo.lua", or the client's virtualized copy of it;
  // source text only), falling back to the client's defaults per file.
  int GetSavedOption(const char* key, int defaultValue) {
    return GetNumber(kNameSavedOptionFile, GetName(kNameOptionInfoList), key, defaultValue);
  }
  int GetSavedCommand(const char* key, int defaultValue) {
    return GetNumber(kNameSavedOptionFile, GetName(kNameCmdOnOffList), key, defaultValue);
  }
  // Client's default option file; 0 when absent.
  int GetDefaultOption(const char* key) override {
    return GetNumber(kNameDefaultOptionFile, GetName(kNameOptionInfoList), key, 0);
  }
  int GetDefaultCommand(const char* key) override {
    return GetNumber(kNameDefaultOptionFile, GetName(kNameCmdOnOffList), key, 0);
  }
  // Text from SetupMSG; empty when absent. Valid until the next successful GetMessage.
  const char* GetMessage(const char* key) { return GetText(GetName(kNameSetupMsg), key); }
  const char* GetMessageA(const char* key) { return GetMessage(key); }
  const char* GetMessageW(const char* key) { return GetMessage(key); }

  // True when the text, read as the client reads a file, compiles as source within the bounds
  // of one run. Nothing of it runs.
  bool Compiles(const std::string& text);

  // One "Table["key"] = value" line appended to the new file's text; they use none of the
  // host's state.
  static void WriteOptionInfoLine(std::string& file, const char* key, int value);
  static void WriteCmdOnOffLine(std::string& file, const char* key, int value);

  size_t MemoryInUse() const { return m_state.MemoryInUse(); }

 private:
  // One lookup, within start-up's budget; on success take(L) reads the value on top of the stack.
  template <typename Take>
  void Answer(int file, const char* table, const char* key, int type, Take take);
  // A number truncated toward zero; values beyond the int range saturate, NaN gives the default.
  // file: the name-table entry of the data file (the saved, default or message file).
  int GetNumber(int file, const char* table, const char* key, int defaultValue);
  const char* GetText(const char* table, const char* key);
  // On success the value is on top of the stack.
  bool Lookup(int file, const char* table, const char* key, int type);
  // On success the file's chunk is on top of the stack, not yet run.
  bool PrepareFile(int file, ScriptRun& run);
  // The client's ".lub", else its ".lua" (file: the name-table entry of its base name); either
  // may be source or precompiled.
  bool LoadChunk(int file, ScriptRun& run);
  // Runs the chunk on top of the stack, then pushes table[key] if it has the type asked for.
  bool FindValue(const char* table, const char* key, int type, ScriptRun& run);

  bool LoadDataFile(int file, const std::string& path, ScriptRun& run);
  bool LoadSavedFile(ScriptRun& run);
  // Compiles the bytes in a new run; on success the chunk is on top of the stack. file: the
  // data file's name-table entry, or kNoDataFile for a text that is none (which is not
  // remembered). A remembered file that was stopped loads as it ended then.
  bool LoadBytes(const std::string& path, const std::string& bytes, int file, ScriptRun& run);
  void NoteIfStopped(const ScriptRun& run, bool atLoad);
  // True when the data file is not to be read: cut short before, or the start-up's time is
  // spent (then it is cut short from now on).
  bool Refused(int file);
  bool MakeFreshTables(const char* first, const char* second);

  std::string m_message;
  TickClock m_clock;
  BoundedLuaState m_state;
  StartupBudget m_budget;
  UnreadFileRecord m_files;
};

#pragma pop_macro("GetMessage")

extern CScriptHost g_scriptHost;
