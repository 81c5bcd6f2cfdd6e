// The saved option file's one path, and its text as the client's Lua would read it.
#pragma once

#include <string>

// The saved option file, relative to the game folder: the one path that reading it, the
// lookups in it and writing it all use.
std::string SavedOptionFilePath();

enum class SavedFileStatus {
  kAbsent,        // no file
  kText,          // read as source text
  kUnreadable,    // there, but it could not be read (in use elsewhere, access denied)
  kPrecompiled,   // a compiled chunk, which the program never runs
  kUnfitUnicode,  // UTF-16 with characters the system code page cannot hold
};

struct SavedFileText {
  SavedFileStatus status = SavedFileStatus::kAbsent;
  // kText: the source in the system code page, as text mode hands it over (no byte-order
  // mark, up to the first Ctrl-Z, CR LF as LF).
  std::string text;
  // Text after a Ctrl-Z, which the client never reads.
  bool hiddenText = false;
};

SavedFileText ReadSavedOptionFile();
