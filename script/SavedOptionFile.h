// The saved option file's one path, and its text as the client's Lua would read it.
#pragma once

#include <string>

// The folder of the saved option file, relative to the game folder: "savedata". A confirmed OK
// creates it when it is missing.
extern const char kSavedDataFolder[];
// The saved option file in that folder: the one path that reading it, the lookups in it
// (name-table entry kNameSavedOptionFile) and writing it all use. When the game client's
// writes to it were virtualized, the client reads its own copy instead (VirtualizedCopyPath),
// and so does the program.
std::string SavedOptionFilePath();

enum class SavedFileStatus {
  kAbsent,        // no file
  kText,          // read as source text
  kUnreadable,    // there, but it could not be read (in use elsewhere, access denied)
  kPrecompiled,   // a compiled chunk, which the program never runs
  kUnfitUnicode,  // UTF-16 with characters the system code page cannot hold
  kTooLarge,      // larger than any settings file (kDataFileSizeLimit): not read at all
};

struct SavedFileText {
  SavedFileStatus status = SavedFileStatus::kAbsent;
  // The file read: the client's virtualized copy when one exists, else the game folder's.
  std::string path;
  // kText: the source in the system code page, as text mode hands it over (no byte-order
  // mark, up to the first Ctrl-Z, CR LF as LF).
  std::string text;
  // Text after a Ctrl-Z, which the client never reads.
  bool hiddenText = false;
};

// The saved option file as the client reads it: its virtualized copy when there is one, even
// one that cannot be read, else the file in the game folder.
SavedFileText ReadSavedOptionFile();
