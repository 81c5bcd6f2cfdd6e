// Reading and writing the saved option file "savedata\OptionInfo.lua".
#pragma once

#include <string>
#include <vector>

#include "script/SavedOptionFile.h"
#include "settings/NameTable.h"

class CRegistry;

// The keys the program owns in the saved file are name-table entries 0 to
// kNameOptionKeyCount - 1, in the order its block lists them; reading and writing both go by
// these two. The setting that key `entry` carries:
int& OptionSetting(CRegistry& record, int entry);
// The Lua table (name-table entry) that holds key `entry`.
int OptionTable(int entry);

// Why a save left the saved option file as it was.
enum class SaveProblem {
  kNone,
  kUnreadable,    // it still could not be read, so its own lines could not be kept
  kUnfitUnicode,  // Unicode text the system code page cannot hold
  kTooLarge,      // still larger than any settings file
  kWouldNotLoad,  // with the program's lines dropped, the client could no longer load it
  kNotWritten,    // writing the new file failed (a full disk, say)
};

// The saved option file as the program knows it from start-up to the save.
struct OptionFileState {
  // What the start-up read found, and where: the client's virtualized copy when there is one,
  // which a save writes as well as the game folder's file.
  SavedFileStatus status = SavedFileStatus::kAbsent;
  std::string path = SavedOptionFilePath();
  bool hiddenText = false;  // text after a Ctrl-Z, which a save does not keep
  bool nulInLines = false;  // a kept line with a NUL byte, which a save keeps up to there
  // The new file: composed by the first save step, put in place by the last.
  std::string draft;
  bool drafted = false;   // the kept lines are in the draft
  bool composed = false;  // the option block too, and the whole checked to load
  SaveProblem problem = SaveProblem::kNone;
  std::vector<std::string> notWritten;  // kNotWritten: the files that kept their old bytes
};

// Keeps the lines of the saved option file that the program does not own.
OptionFileState ReadOptionFileLines();
// Takes the saved values of the option keys over the current settings.
void LoadOptionInfo();
// First save step: the new file's text begins with the kept lines. False when the old file is
// to be left as it is (file.problem says why).
bool WriteOptionFileLines(OptionFileState& file);
// Appends the program's option block to the draft and checks that the client can load the
// whole, in memory only, so that nothing is written unless all of it could be composed. False
// when the old file is to be left as it is (file.problem says why).
bool ComposeOptionBlock(OptionFileState& file);
// Last save step: composes the block unless that was done, then puts the new file in the place
// of the game folder's file and of the client's copy, each in one step. False when either kept
// its old bytes (file.problem says why).
bool SaveOptionInfo(OptionFileState& file);

// Takes what a read of the file found into `file`, and its foreign lines into the record.
void TakeForeignLines(const SavedFileText& saved, OptionFileState& file, CRegistry& record);

// Appends "<table>[\"<key>\"] = <value>\r\n".
void WriteOptionLine(std::string& file, const char* table, const char* key, int value);
// printf-style formatting into a bounded buffer; never writes past it.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
