// BoundedLuaState: the allocator with its ceiling, the count hook, collection between runs.
#include "script/BoundedLuaState.h"

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "script/ScriptRun.h"

namespace {

// The count hook checks the bounds this often.
const int kHookInterval = 1000;

int ProtectedResetGlobals(lua_State* L) {
  lua_createtable(L, 0, 0);
  lua_replace(L, LUA_GLOBALSINDEX);
  return 0;
}

int ProtectedCollect(lua_State* L) {
  lua_pushnil(L);
  lua_rawseti(L, LUA_REGISTRYINDEX, BoundedLuaState::kResultSlot);
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

}  // namespace

BoundedLuaState::BoundedLuaState() : m_L(luaL_newstate()) {
  if (!m_L)
    return;
  m_baseAlloc = lua_getallocf(m_L, &m_baseAllocUd);
  m_bytesInUse = static_cast<size_t>(lua_gc(m_L, LUA_GCCOUNT, 0)) * 1024 +
                 static_cast<size_t>(lua_gc(m_L, LUA_GCCOUNTB, 0));
  lua_setallocf(m_L, BoundedAlloc, this);
}

BoundedLuaState::~BoundedLuaState() {
  if (m_L)
    lua_close(m_L);
}

int BoundedLuaState::CallBounded() {
  lua_sethook(m_L, BudgetHook, LUA_MASKCOUNT, kHookInterval);
  const int status = lua_pcall(m_L, 0, 0, 0);
  lua_sethook(m_L, nullptr, 0, 0);
  return status;
}

void BoundedLuaState::CollectGarbage() {
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

void* BoundedLuaState::BoundedAlloc(void* ud, void* ptr, size_t osize, size_t nsize) {
  BoundedLuaState* self = static_cast<BoundedLuaState*>(ud);
  if (nsize > osize && !self->m_collecting) {
    const size_t growth = nsize - osize;
    const size_t room =
        self->m_bytesInUse < kMemoryCeiling ? kMemoryCeiling - self->m_bytesInUse : 0;
    // A run that keeps little but asks for much (a string grown by copying) or takes too long
    // is stopped here as well as by the hook.
    if (growth > room || (self->m_run && !self->m_run->Allocate(growth))) {
      if (self->m_run)
        self->m_run->Stop();
      self->m_boundHit = true;
      return nullptr;
    }
  }
  void* block = self->m_baseAlloc(self->m_baseAllocUd, ptr, osize, nsize);
  if (!block && nsize != 0) {
    // Lua raises on any failed call, even a shrink; keep the larger block instead.
    if (nsize <= osize)
      block = ptr;
    else
      return nullptr;
  }
  self->m_bytesInUse = self->m_bytesInUse - osize + nsize;
  return block;
}

// Fires every kHookInterval instructions; ends a run that has used its instructions or time.
void BoundedLuaState::BudgetHook(lua_State* L, lua_Debug*) {
  void* ud = nullptr;
  lua_getallocf(L, &ud);
  BoundedLuaState* self = static_cast<BoundedLuaState*>(ud);
  if (!self->m_run || self->m_run->Count(kHookInterval))
    return;
  self->m_boundHit = true;
  luaL_error(L, "run stopped by a bound");
}
