// Reading and writing the saved option file "savedata\OptionInfo.lua".
#pragma once

#include <string>
#include <vector>

#include "script/SavedOptionFile.h"
#include "settings/NameTable.h"

class CRegistry;

// What start-up found in the saved option file, and where: the client's virtualized copy when
// there is one, which a save writes as well as the game folder's file.
struct SavedFileFound {
  SavedFileStatus status = SavedFileStatus::kAbsent;
  std::string path = SavedOptionFilePath();
  bool hiddenText = false;  // text after a Ctrl-Z, which a save does not keep
  bool nulInLines = false;  // a kept line with a NUL byte, which a save keeps up to there
};

// Why a save left the saved option file as it was.
enum class SaveProblem {
  kNone,
  kUnreadable,    // it still could not be read, so its own lines could not be kept
  kUnfitUnicode,  // Unicode text the system code page cannot hold
  kTooLarge,      // still larger than any settings file
  kWouldNotLoad,  // with the program's lines dropped, the client could no longer load it
  kNotWritten,    // writing the new file failed (a full disk, say)
};

// One save of the saved option file: the new file as the first step begins it, and what became
// of it.
struct OptionFileSave {
  std::string path = SavedOptionFilePath();  // where the file was found
  std::string text;
  SaveProblem problem = SaveProblem::kNone;
  std::vector<std::string> notWritten;  // kNotWritten: the files that kept their old bytes
};

// The whole new file, made only by ComposeOptionBlock from the first step's save: the last
// step takes nothing less.
struct ComposedOptionFile {
  OptionFileSave save;
  bool complete = false;  // false: the old file stays (save.problem says why, if it can)
};

// Keeps the lines of the saved option file that the program does not own.
SavedFileFound ReadOptionFileLines();
// Takes the saved values of the option keys over the current settings.
void LoadOptionInfo();
// First save step: the new file's text begins with the kept lines (save.problem: why the old
// file is to be left as it is).
OptionFileSave WriteOptionFileLines(const SavedFileFound& found);
// Appends the program's option block and checks that the client can load the whole, in memory
// only, so that nothing is written unless all of it could be composed.
ComposedOptionFile ComposeOptionBlock(OptionFileSave save);
// Last save step: puts the new file in the place of the game folder's file and of the client's
// copy, each in one step. False when either kept its old bytes (file.save.problem says why).
bool SaveOptionInfo(ComposedOptionFile& file);

// Takes what a read of the file found into `found`, and its foreign lines into the record.
void TakeForeignLines(const SavedFileText& saved, SavedFileFound& found, CRegistry& record);

// Appends "<table>[\"<key>\"] = <value>\r\n".
void WriteOptionLine(std::string& file, const char* table, const char* key, int value);
// printf-style formatting into a bounded buffer; never writes past it.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
