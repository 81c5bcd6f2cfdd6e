// libFuzzer target: the start-up lookups, the kept-lines read and the save over a fuzzed saved
// option file, which the first input byte may also make the client's option or message file.
// What must always hold is checked here; a broken rule aborts like a sanitizer report.
// Precompiled chunks are left out of the client's files, as Lua 5.1 runs bytecode unchecked:
// a chunk is re-laid for this build and compiled on its own, never run.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "HostFiles.h"
#include "script/CScriptHost.h"
#include "script/ChunkLayout.h"
#include "script/DataFileText.h"
#include "script/OptionInfoFile.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

CScriptHost g_scriptHost;

namespace {

const char kDefaults[] = "System\\LuaFiles514\\OptionInfo.lua";
const char kMessages[] = "System\\LuaFiles514\\MsgString.lua";
const char kDefaultText[] =
    "OptionInfoList = { WIDTH = 800, Bgm_Volume = 90 }\nCmdOnOffList = { [\"/fog\"] = 1 }\n";
const char kMessageText[] = "SetupMSG = { ISOK = 'Save?', Device = 'Device' }\n";

void Require(bool holds, const char* rule) {
  if (!holds) {
    fprintf(stderr, "rule broken: %s\n", rule);
    abort();
  }
}

// The start-up lookups: the client's defaults, a message, the kept lines, the saved values.
SavedFileFound StartUp(CRegistry& record) {
  for (int i = 0; i < kNameOptionKeyCount; ++i) {
    OptionSetting(record, i) = i < kNameFirstCommandKey
                                   ? g_scriptHost.GetDefaultOption(GetName(i))
                                   : g_scriptHost.GetDefaultCommand(GetName(i));
  }
  g_scriptHost.GetMessage("ISOK");
  SavedFileFound found = ReadOptionFileLines();
  LoadOptionInfo();
  return found;
}

// A chunk of the client's 32-bit layout as the host re-lays it, compiled in a state of its own.
// Chunks left as they are go to Lua unchecked, in this build as in the client: Lua's loader
// takes counts up to INT_MAX and adds one to them (luaM_reallocv), a report in its own code.
void CompileReLaid(const std::string& fileBytes) {
  const std::string chunk = PrecompiledChunk(fileBytes);
  const std::string native = NativeChunk(chunk);
  if (native == chunk)
    return;
  Require(ChunkWithSizeWidth(native, 4) == chunk, "a re-laid chunk narrows back to the file");
  lua_State* L = luaL_newstate();
  Require(L != nullptr, "a Lua state is made");
  luaL_loadbuffer(L, native.data(), native.size(), "=chunk");
  lua_close(L);
}

bool Save(const SavedFileFound& found) {
  ComposedOptionFile file = ComposeOptionBlock(WriteOptionFileLines(found));
  return SaveOptionInfo(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  const uint8_t choice = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string path = SavedOptionFilePath();
  const bool chunk = IsPrecompiledText(TextModeView(text));
  if (chunk)
    CompileReLaid(text);
  HostFiles().clear();
  HostFiles()[path] = text;
  HostFiles()[kDefaults] = (choice & 1) && !chunk ? text : kDefaultText;
  HostFiles()[kMessages] = (choice & 2) && !chunk ? text : kMessageText;
  g_hostWritesFail = (choice & 4) != 0;

  InitNameTable();
  Require(CRegistry::CreateInstance(), "the record is made");
  CRegistry& record = *CRegistry::GetInstance();
  const SavedFileFound found = StartUp(record);
  const SavedFileText before = ReadSavedOptionFile();
  const bool loadedBefore =
      before.status == SavedFileStatus::kText && g_scriptHost.Compiles(before.text);

  const bool saved = Save(found);
  const std::string after = HostFiles()[path];
  Require(HostFiles().count(path + ".new") == 0, "nothing is left beside the file");
  if (!saved) {
    Require(after == text, "a save that fails leaves the old file as it was");
  } else {
    Require(after.find('\x1a') == std::string::npos, "nothing is written after a Ctrl-Z");
    const bool loadsAfter = g_scriptHost.Compiles(after);
    Require(loadsAfter || !loadedBefore, "a file the client loads still loads after a save");
    if (loadsAfter) {
      // Later starts keep the same lines, so saves neither grow nor lose anything more. (The
      // first save may still leave empty lines, of lines cut at a NUL, which the next drops.)
      Require(Save(StartUp(record)), "a second save goes through");
      const std::string settled = HostFiles()[path];
      Require(Save(StartUp(record)), "a third save goes through");
      Require(HostFiles()[path] == settled, "saves settle on one file");
    }
  }
  CRegistry::DestroyInstance();
  return 0;
}
