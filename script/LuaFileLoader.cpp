// LoadLuaFile: a '#' first line skipped, precompiled chunks told by their ESC, bytes read raw.
#include "script/LuaFileLoader.h"

#include <stdio.h>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

namespace {

struct FileReader {
  FILE* file;
  bool extraLine;  // stands in for a skipped '#' line, so line numbers stay right
  char buffer[LUAL_BUFFERSIZE];
};

const char* ReadPiece(lua_State*, void* ud, size_t* size) {
  FileReader* reader = static_cast<FileReader*>(ud);
  if (reader->extraLine) {
    reader->extraLine = false;
    *size = 1;
    return "\n";
  }
  if (feof(reader->file))
    return nullptr;
  *size = fread(reader->buffer, 1, sizeof(reader->buffer), reader->file);
  return *size > 0 ? reader->buffer : nullptr;
}

// Reads past a '#' first line, as luaL_loadfile does; returns the byte after it (or EOF).
int SkipHashLine(FILE* file, bool* skipped) {
  int c = getc(file);
  *skipped = c == '#';
  if (c == '#') {
    while ((c = getc(file)) != EOF && c != '\n') {
    }
    if (c == '\n')
      c = getc(file);
  }
  return c;
}

}  // namespace

bool IsPrecompiledFile(const char* path) {
  FILE* file = fopen(path, "rb");
  if (!file)
    return false;
  bool skipped = false;
  const bool precompiled = SkipHashLine(file, &skipped) == LUA_SIGNATURE[0];
  fclose(file);
  return precompiled;
}

int LoadLuaFile(lua_State* L, const char* path, const char* chunkName, bool sourceOnly) {
  FileReader reader;
  reader.file = fopen(path, "rb");
  reader.extraLine = false;
  if (!reader.file)
    return LUA_ERRFILE;
  int c = SkipHashLine(reader.file, &reader.extraLine);
  if (c == LUA_SIGNATURE[0]) {
    if (sourceOnly) {
      fclose(reader.file);
      return LUA_ERRSYNTAX;
    }
    // A precompiled chunk, perhaps behind a '#' line: start at its signature.
    rewind(reader.file);
    while ((c = getc(reader.file)) != EOF && c != LUA_SIGNATURE[0]) {
    }
    reader.extraLine = false;
  }
  if (c != EOF)
    ungetc(c, reader.file);
  const int status = lua_load(L, ReadPiece, &reader, chunkName);
  const bool readFailed = ferror(reader.file) != 0;
  fclose(reader.file);
  return readFailed ? LUA_ERRFILE : status;
}
