// ScriptFolder: per-test folders under the tests' working directory.
#include "ScriptFolder.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "script/ChunkLayout.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace fs = std::filesystem;

namespace {

int AppendChunk(lua_State*, const void* data, size_t size, void* out) {
  static_cast<std::string*>(out)->append(static_cast<const char*>(data), size);
  return 0;
}

}  // namespace

const std::string ScriptFolder::kDefaults = "System\\LuaFiles514\\OptionInfo";
const std::string ScriptFolder::kMessages = "System\\LuaFiles514\\MsgString";

void ScriptFolder::SetUp() {
  char previous[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, previous);
  m_previous = previous;
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const fs::path folder = fs::path("script-work") / info->test_suite_name() / info->name();
  fs::remove_all(folder);
  fs::create_directories(folder);
  ASSERT_TRUE(SetCurrentDirectoryA(folder.string().c_str()));
  ASSERT_TRUE(CRegistry::CreateInstance());
  InitNameTable();
}

void ScriptFolder::TearDown() {
  CRegistry::DestroyInstance();
  SetCurrentDirectoryA(m_previous.c_str());
}

CRegistry& ScriptFolder::Record() { return *CRegistry::GetInstance(); }

void ScriptFolder::Put(const std::string& path, const std::string& bytes) {
  const fs::path target(path);
  if (target.has_parent_path())
    fs::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string ScriptFolder::Get(const std::string& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool ScriptFolder::Exists(const std::string& path) { return fs::exists(fs::path(path)); }

std::string ScriptFolder::Precompile(const std::string& source, size_t sizeWidth) {
  lua_State* L = luaL_newstate();
  std::string chunk;
  if (luaL_loadbuffer(L, source.data(), source.size(), "=source") == 0)
    lua_dump(L, AppendChunk, &chunk);
  lua_close(L);
  return ChunkWithSizeWidth(chunk, sizeWidth);
}
