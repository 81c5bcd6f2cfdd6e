// The script host: the process's Lua state and keyed lookups in the client's data files.
#pragma once

#include <windows.h>
// windows.h maps GetMessage to GetMessageA; the host's lookup keeps its own name.
#undef GetMessage

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

#include "settings/ClientDefaults.h"

struct lua_State;
struct lua_Debug;

class CScriptHost : public ClientDefaults {
 public:
  // Bounds of one run of a data file, its compiling included. Real files stay far below all
  // four; the time bound leaves a file of the size limit room to compile on a slow, busy
  // machine.
  static const int kRunInstructionBudget = 20000000;
  static const size_t kMemoryCeiling = 192u * 1024u * 1024u;        // held at once
  static const size_t kRunAllocationBudget = 512u * 1024u * 1024u;  // asked for in all
  static const unsigned long kRunTimeBudgetMs = 5000;
  // Start-up's lookups together, from StartBudget to EndBudget, reading included. The largest
  // plausible real files (a 256 KB message file, 16 KB of defaults, a 64 KB saved file) take 60
  // to 90 ms for all of start-up's lookups on one busy AMD EPYC core; a machine about nine times
  // slower still reads them whole. What is left of the 1.5 s that a folder of slow files may
  // add to the sheet goes to the notice and to reading them. No one run takes more than a third
  // of it, so that one slow file leaves time for the others.
  static const unsigned long kStartupBudgetMs = 800;

  // A data file that was not read whole: larger than kDataFileSizeLimit (each such candidate
  // file, by its path), or cut short at start-up: stopped by a bound, or not read because the
  // start-up's time was spent (by the data file's name-table entry, with the path of the file
  // that was stopped, else empty). A file cut short is not read again in this process.
  struct UnreadFile {
    int file;  // name-table entry of the data file
    std::string path;
    bool tooLarge;
  };

  CScriptHost();
  ~CScriptHost();

  // From here to EndBudget every lookup shares kStartupBudgetMs; once it is spent, each answers
  // as a failed run does.
  void StartBudget();
  void EndBudget();
  const std::vector<UnreadFile>& UnreadFiles() const { return m_unread; }

  // Saved option file ("savedata\OptionInfo.lua", or the client's virtualized copy of it;
  // source text only), falling back to the client's defaults per file.
  int GetSavedOption(const char* key, int defaultValue);
  int GetSavedCommand(const char* key, int defaultValue);
  // Client's default option file; 0 when absent.
  int GetDefaultOption(const char* key) override;
  int GetDefaultCommand(const char* key) override;
  // Text from SetupMSG; empty when absent. Valid until the next successful GetMessage.
  const char* GetMessage(const char* key);

  // True when the text, read as the client reads a file, compiles as source within the bounds
  // of one run. Nothing of it runs.
  bool Compiles(const std::string& text);

  // One "Table["key"] = value" line appended to the new file's text; they use none of the
  // host's state.
  static void WriteOptionInfoLine(std::string& file, const char* key, int value);
  static void WriteCmdOnOffLine(std::string& file, const char* key, int value);

  // Bytes the Lua state holds at the moment.
  size_t MemoryInUse() const { return m_bytesInUse; }

 private:
  typedef void* (*Allocator)(void* ud, void* ptr, size_t osize, size_t nsize);

  // A data file as loaded: its path and a fingerprint of the bytes given to Lua.
  struct ChunkId {
    std::string path;
    uint64_t hash;
    size_t size;
    bool operator==(const ChunkId& other) const {
      return hash == other.hash && size == other.size && path == other.path;
    }
  };
  // A file whose load or run hit a bound: in this process it is not run again.
  struct StoppedFile {
    ChunkId id;
    bool atLoad;
  };

  CScriptHost(const CScriptHost&) = delete;
  CScriptHost& operator=(const CScriptHost&) = delete;

  // A number truncated toward zero; values beyond the int range saturate, NaN gives the default.
  // file: the name-table entry of the data file (the saved, default or message file).
  int GetNumber(int file, const char* table, const char* key, int defaultValue);
  const char* GetText(const char* table, const char* key);
  // On success the value is on top of the stack.
  bool Lookup(int file, const char* table, const char* key, int type);
  // On success the file's chunk is on top of the stack, not yet run.
  bool PrepareFile(int file);
  // The client's ".lub", else its ".lua" (file: the name-table entry of its base name); either
  // may be source or precompiled.
  bool LoadChunk(int file);
  // Runs the chunk on top of the stack, then pushes table[key] if it has the type asked for.
  bool FindValue(const char* table, const char* key, int type);

  bool LoadDataFile(int file, const std::string& path);
  bool LoadSavedFile();
  // Starts a run and compiles the bytes under its bounds; on success the chunk is on top of
  // the stack. file: the data file's name-table entry, or kNoDataFile for a text that is none
  // (which is not remembered). A remembered file that was stopped loads as it ended then.
  bool LoadBytes(const std::string& path, const std::string& bytes, int file);
  void BeginLookup();
  void EndLookup();
  void EndRun();
  bool OverTime() const;
  // What the run that starts now may take: its own bound, and at start-up its share of the
  // time left.
  unsigned long RunTimeLimit() const;
  unsigned long BudgetLeft() const;
  // True when the data file is not to be read: cut short before, or the start-up's time is
  // spent (then it is cut short from now on).
  bool Refused(int file);
  void NoteUnread(int file, const std::string& path, bool tooLarge);
  const StoppedFile* FindStopped(const ChunkId& id) const;
  void Remember(const ChunkId& id, bool atLoad);

  static void* BoundedAlloc(void* ud, void* ptr, size_t osize, size_t nsize);
  static void BudgetHook(lua_State* L, lua_Debug* ar);
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

  // The run under way: its start and time limit, what it has used, whether a bound stopped it.
  bool m_running;
  unsigned long m_runStart;
  unsigned long m_runLimitMs;
  size_t m_runAllocated;
  int m_runInstructions;
  bool m_runStopped;
  ChunkId m_chunk;  // the chunk of the run, once loaded
  int m_chunkFile;  // its data file, or kNoDataFile when it is not remembered
  std::vector<StoppedFile> m_stopped;

  // Start-up's shared time: whether it counts, what the lookups before this one took, and when
  // this one began.
  bool m_budgetOn;
  unsigned long m_budgetUsedMs;
  unsigned long m_lookupStart;
  std::vector<UnreadFile> m_unread;
};

extern CScriptHost g_scriptHost;
