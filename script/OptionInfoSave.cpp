// Writing the saved option file: the kept foreign lines, then the program's option block,
// composed in memory and put in place in one step.
#include <stdarg.h>
#include <stdio.h>

#include "script/CScriptHost.h"
#include "script/OptionInfoFile.h"
#include "script/ScriptPlatform.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

// Whether the client can load the saved file as it is now; no file loads as nothing at all.
bool OldFileLoads() {
  const SavedFileText old = ReadSavedOptionFile();
  return old.status == SavedFileStatus::kAbsent ||
         (old.status == SavedFileStatus::kText && g_scriptHost.Compiles(old.text));
}

}  // namespace

std::string FormatText(const char* format, ...) {
  char buffer[4096];
  if (!format)
    return std::string();
  va_list args;
  va_start(args, format);
  const int length = vsnprintf(buffer, sizeof(buffer), format, args);
  va_end(args);
  if (length < 0)
    buffer[0] = '\0';
  buffer[sizeof(buffer) - 1] = '\0';
  return std::string(buffer);
}

void WriteOptionLine(std::string& file, const char* table, const char* key, int value) {
  file.append(table).append(FormatText("[\"%s\"] = %d\r\n", key, value));
}

void CScriptHost::WriteOptionInfoLine(std::string& file, const char* key, int value) {
  WriteOptionLine(file, GetName(kNameOptionInfoList), key, value);
}

void CScriptHost::WriteCmdOnOffLine(std::string& file, const char* key, int value) {
  WriteOptionLine(file, GetName(kNameCmdOnOffList), key, value);
}

bool WriteOptionFileLines(OptionFileState& file) {
  file.draft.clear();
  file.drafted = false;
  file.composed = false;
  file.problem = SaveProblem::kNone;
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return false;
  if (file.status == SavedFileStatus::kUnreadable ||
      file.status == SavedFileStatus::kUnfitUnicode || file.status == SavedFileStatus::kTooLarge) {
    // Its lines were not known at start-up; a lock may have cleared since. A file that still
    // cannot be read is left alone rather than replaced blindly.
    const SavedFileText now = ReadSavedOptionFile();
    switch (now.status) {
      case SavedFileStatus::kUnreadable:
        file.problem = SaveProblem::kUnreadable;
        return false;
      case SavedFileStatus::kUnfitUnicode:
        file.problem = SaveProblem::kUnfitUnicode;
        return false;
      case SavedFileStatus::kTooLarge:
        file.problem = SaveProblem::kTooLarge;
        return false;
      case SavedFileStatus::kAbsent:
      case SavedFileStatus::kText:
      case SavedFileStatus::kPrecompiled:
        break;
    }
    TakeForeignLines(now, file, *record);
  }
  for (const std::string& line : record->m_otherLines) {
    // Up to its first NUL byte: a line of NULs left by a power loss does not compile.
    file.draft.append(line.c_str()).append("\r\n");
  }
  file.drafted = true;
  return true;
}

bool ComposeOptionBlock(OptionFileState& file) {
  CRegistry* record = CRegistry::GetInstance();
  if (!record || !file.drafted)
    return false;
  file.drafted = false;
  for (int entry = 0; entry < kNameOptionKeyCount; ++entry) {
    if (entry > 0 && OptionTable(entry) != OptionTable(entry - 1))
      file.draft += "\r\n";  // the empty line between the two tables
    const char* key = GetName(entry);
    const int value = OptionSetting(*record, entry);
    if (OptionTable(entry) == kNameOptionInfoList)
      CScriptHost::WriteOptionInfoLine(file.draft, key, value);
    else
      CScriptHost::WriteCmdOnOffLine(file.draft, key, value);
  }
  // A save never turns a file the client loads into one it cannot load.
  if (!g_scriptHost.Compiles(file.draft) && OldFileLoads()) {
    file.problem = SaveProblem::kWouldNotLoad;
    return false;
  }
  file.composed = true;
  return true;
}

bool SaveOptionInfo(OptionFileState& file) {
  if (!file.composed && !ComposeOptionBlock(file))
    return false;
  file.composed = false;
  // The client reads its copy; should the copy go, it reads the game folder's file again: both
  // get the same bytes, each whole or not at all.
  std::vector<std::string> places = {SavedOptionFilePath()};
  if (file.path != places.front())
    places.push_back(file.path);
  file.notWritten.clear();
  for (const std::string& place : places) {
    if (!ReplaceWholeFile(place, file.draft))
      file.notWritten.push_back(place);
  }
  if (!file.notWritten.empty()) {
    file.problem = SaveProblem::kNotWritten;
    return false;
  }
  return true;
}
