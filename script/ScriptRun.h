// A lookup's bounded runs of data files, one at a time, each from its compile to the end of its
// chunk: instructions, memory asked for and time on the clock it is handed. The run under way
// ends when its chunk has run or failed to compile, and at the latest with this object.
#pragma once

#include <stddef.h>

#include <string>

#include "script/BoundedLuaState.h"
#include "script/ScriptPlatform.h"
#include "script/UnreadFileRecord.h"

class ScriptRun {
 public:
  // Real files stay far below all three; the time bound leaves a file of the size limit room
  // to compile on a slow, busy machine.
  static const int kInstructionBudget = 20000000;
  static const size_t kAllocationBudget = 512u * 1024u * 1024u;  // asked for in all
  static const unsigned long kTimeBudgetMs = 5000;

  ScriptRun(BoundedLuaState& state, TickClock clock) : m_state(state), m_clock(clock) {}
  ~ScriptRun() { m_state.SetRun(nullptr); }

  // Starts a run of at most limitMs and compiles the bytes in it; on success the chunk is on
  // top of the stack. A compile cut short by the clock fails even if what it read compiled.
  bool Compile(const std::string& bytes, const char* chunkName, unsigned long limitMs);
  // Runs the function on top of the stack, then ends the run: what follows is outside its
  // bounds. Returns lua_pcall's status.
  int Execute();
  bool Stopped() const { return m_stopped; }  // by a bound, in the latest run

  // For the allocator, the count hook and the reader: false once the run may not go on.
  bool Allocate(size_t growth);
  bool Count(int instructions);
  bool OverTime() const { return m_clock() - m_start > m_limitMs; }
  void Stop() { m_stopped = true; }

  // What the latest run compiled (file: its name-table entry, negative for a text that is no
  // data file), to be remembered if a bound stops it.
  ChunkId chunk;
  int file = -1;

 private:
  BoundedLuaState& m_state;
  TickClock m_clock;
  unsigned long m_start = 0;
  unsigned long m_limitMs = 0;
  size_t m_allocated = 0;
  int m_instructions = 0;
  bool m_stopped = false;
};
