// The process's Lua state under bounds: memory held at once, and what the run under way may use.
#pragma once

#include <stddef.h>

struct lua_State;
struct lua_Debug;
class ScriptRun;

class BoundedLuaState {
 public:
  static const size_t kMemoryCeiling = 192u * 1024u * 1024u;  // held at once
  // Registry slot that carries one value out of a protected call. Reading it back with
  // lua_rawgeti never allocates, so nothing after the call can raise a memory error.
  static const int kResultSlot = 1;

  BoundedLuaState();
  ~BoundedLuaState();
  BoundedLuaState(const BoundedLuaState&) = delete;
  BoundedLuaState& operator=(const BoundedLuaState&) = delete;

  lua_State* L() const { return m_L; }  // null when none could be made
  size_t MemoryInUse() const { return m_bytesInUse; }
  // The run whose bounds the allocator and the count hook apply; null between runs.
  void SetRun(ScriptRun* run) { m_run = run; }
  // lua_pcall of the function on top of the stack, no arguments or results, under the hook.
  int CallBounded();
  // Frees what earlier runs left, their globals too after a run stopped by a bound.
  void CollectGarbage();

 private:
  static void* BoundedAlloc(void* ud, void* ptr, size_t osize, size_t nsize);
  static void BudgetHook(lua_State* L, lua_Debug* ar);

  lua_State* m_L;
  void* (*m_baseAlloc)(void* ud, void* ptr, size_t osize, size_t nsize) = nullptr;
  void* m_baseAllocUd = nullptr;
  size_t m_bytesInUse = 0;
  bool m_boundHit = false;  // the next lookup starts from empty globals
  bool m_collecting = false;
  ScriptRun* m_run = nullptr;
};
