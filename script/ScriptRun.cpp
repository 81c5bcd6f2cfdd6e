// ScriptRun: a bounded compile, fed from memory a piece at a time, and the bounded run after it.
#include "script/ScriptRun.h"

#include <algorithm>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

namespace {

// The parser is fed this much at a time, so that the clock is seen often even while a
// quadratic parse (thousands of elseif branches) crawls through its input.
const size_t kReadPiece = 1024;

// Feeds lua_load from memory and ends the input once the run's time is up: compiling is part
// of the run.
struct LoadCall {
  const std::string* bytes;
  size_t next;
  ScriptRun* run;
  const char* chunkName;
  int status;
};

const char* ReadPiece(lua_State*, void* ud, size_t* size) {
  LoadCall* call = static_cast<LoadCall*>(ud);
  *size = 0;
  if (call->next >= call->bytes->size())
    return nullptr;
  if (call->run->OverTime()) {
    call->run->Stop();
    return nullptr;
  }
  *size = std::min(call->bytes->size() - call->next, kReadPiece);
  const char* piece = call->bytes->data() + call->next;
  call->next += *size;
  return piece;
}

int ProtectedLoad(lua_State* L) {
  LoadCall* call = static_cast<LoadCall*>(lua_touserdata(L, 1));
  call->status = lua_load(L, ReadPiece, call, call->chunkName);
  if (call->status == 0)
    lua_rawseti(L, LUA_REGISTRYINDEX, BoundedLuaState::kResultSlot);
  return 0;
}

}  // namespace

bool ScriptRun::Compile(const std::string& bytes, const char* chunkName, unsigned long limitMs) {
  m_state.SetRun(this);
  m_start = m_clock();
  m_limitMs = limitMs;
  m_allocated = 0;
  m_instructions = 0;
  m_stopped = false;
  LoadCall call = {&bytes, 0, this, chunkName, -1};
  // A refused allocation fails the load, a timed-out reader does not: both stop the run.
  if (lua_cpcall(m_state.L(), ProtectedLoad, &call) != 0 || call.status != 0 || m_stopped) {
    m_state.SetRun(nullptr);
    return false;
  }
  lua_rawgeti(m_state.L(), LUA_REGISTRYINDEX, BoundedLuaState::kResultSlot);
  return true;
}

int ScriptRun::Execute() {
  const int status = m_state.CallBounded();
  m_state.SetRun(nullptr);
  return status;
}

bool ScriptRun::Allocate(size_t growth) {
  if (growth > kAllocationBudget - m_allocated || OverTime())
    return false;
  m_allocated += growth;
  return true;
}

bool ScriptRun::Count(int instructions) {
  m_instructions += instructions;
  if (m_instructions < kInstructionBudget && !OverTime())
    return true;
  m_stopped = true;
  return false;
}
