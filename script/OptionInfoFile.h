// Reading and writing the saved option file "savedata\OptionInfo.lua".
#pragma once

#include <string>

#include "settings/NameTable.h"

class CFile;
class CRegistry;

// One key the program owns in the saved file: its name-table entry, its table (name-table
// entry) and the setting of the record it carries. Reading and writing both go by this table.
struct OptionBinding {
  int key;
  int table;
  int& (*setting)(CRegistry& record);
};
// The 34 keys in the order the program's block lists them.
extern const OptionBinding kOptionBindings[kNameOptionKeyCount];

// The saved option file, relative to the game folder: the one path that reading it, the
// lookups in it and writing it all use.
std::string SavedOptionFilePath();

// What the start-up read found in the saved option file.
enum class SavedFileStatus {
  kAbsent,       // no file: nothing to keep
  kText,         // read as text: its foreign lines are kept
  kPrecompiled,  // a compiled chunk: nothing the program can keep line by line, nor runs
};

// The saved option file as the program knows it from start-up to the save.
struct OptionFileState {
  SavedFileStatus status = SavedFileStatus::kAbsent;
};

// Keeps the lines of the saved option file that name none of the program's keys.
OptionFileState ReadOptionFileLines();
// Takes the saved values of the 34 option keys over the current settings.
void LoadOptionInfo();
// Rewrites the file with the kept lines; false when it could not be opened or fully written.
bool WriteOptionFileLines();
// Appends the program's option block; false when it could not be opened or fully written.
bool SaveOptionInfo();

// True when a line names one of the 34 keys in double quotes, so the program owns it.
bool IsOwnOptionLine(const std::string& line);
// The setting that option key `entry` (name-table entry 0 to 33) carries.
int& OptionSetting(CRegistry& record, int entry);

// Writes "<table>[\"<key>\"] = <value>\r\n" in one piece.
bool WriteOptionLine(CFile& file, const char* table, const char* key, int value);
// printf-style formatting into a bounded buffer; never writes past it.
std::string FormatText(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
