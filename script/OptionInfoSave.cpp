// Writing the saved option file: the kept foreign lines, then the program's option block,
// composed in memory and put in place in one step.
#include <stdarg.h>
#include <stdio.h>

#include <utility>

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

// Why a save may not replace a file read with this status, whose own lines it cannot know.
SaveProblem LinesUnknown(SavedFileStatus status) {
  return status == SavedFileStatus::kUnreadable     ? SaveProblem::kUnreadable
         : status == SavedFileStatus::kUnfitUnicode ? SaveProblem::kUnfitUnicode
         : status == SavedFileStatus::kTooLarge     ? SaveProblem::kTooLarge
                                                    : SaveProblem::kNone;
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

OptionFileSave WriteOptionFileLines(const SavedFileFound& found) {
  OptionFileSave save;
  save.path = found.path;
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return save;
  if (LinesUnknown(found.status) != SaveProblem::kNone) {
    // Its lines were not known at start-up; a lock may have cleared since. A file that still
    // cannot be read is left alone rather than replaced blindly.
    const SavedFileText now = ReadSavedOptionFile();
    save.problem = LinesUnknown(now.status);
    if (save.problem != SaveProblem::kNone)
      return save;
    SavedFileFound again;
    TakeForeignLines(now, again, *record);
    save.path = again.path;
  }
  for (const std::string& line : record->m_otherLines) {
    // Up to its first NUL byte: a line of NULs left by a power loss does not compile.
    save.text.append(line.c_str()).append("\r\n");
  }
  return save;
}

ComposedOptionFile ComposeOptionBlock(OptionFileSave save) {
  ComposedOptionFile file{std::move(save)};
  CRegistry* record = CRegistry::GetInstance();
  if (!record || file.save.problem != SaveProblem::kNone)
    return file;
  std::string& text = file.save.text;
  for (int entry = 0; entry < kNameOptionKeyCount; ++entry) {
    if (entry > 0 && OptionTable(entry) != OptionTable(entry - 1))
      text += "\r\n";  // the empty line between the two tables
    const char* key = GetName(entry);
    const int value = OptionSetting(*record, entry);
    if (OptionTable(entry) == kNameOptionInfoList)
      CScriptHost::WriteOptionInfoLine(text, key, value);
    else
      CScriptHost::WriteCmdOnOffLine(text, key, value);
  }
  // A save never turns a file the client loads into one it cannot load.
  if (!g_scriptHost.Compiles(text) && OldFileLoads()) {
    file.save.problem = SaveProblem::kWouldNotLoad;
    return file;
  }
  file.complete = true;
  return file;
}

bool SaveOptionInfo(ComposedOptionFile& file) {
  if (!file.complete)
    return false;
  OptionFileSave& save = file.save;
  // The client reads its copy; should the copy go, it reads the game folder's file again: both
  // get the same bytes, each whole or not at all.
  std::vector<std::string> places = {SavedOptionFilePath()};
  if (save.path != places.front())
    places.push_back(save.path);
  save.notWritten.clear();
  for (const std::string& place : places) {
    if (!ReplaceWholeFile(place, save.text))
      save.notWritten.push_back(place);
  }
  if (!save.notWritten.empty()) {
    save.problem = SaveProblem::kNotWritten;
    return false;
  }
  return true;
}
