// Writing the saved option file: the kept foreign lines, then the program's option block.
#include <stdarg.h>
#include <stdio.h>

#include "framework/CFile.h"
#include "script/CScriptHost.h"
#include "script/OptionInfoFile.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

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

bool WriteOptionLine(CFile& file, const char* table, const char* key, int value) {
  const std::string line = std::string(table) + FormatText("[\"%s\"] = %d\r\n", key, value);
  return file.Write(line.data(), static_cast<UINT>(line.size()));
}

bool CScriptHost::WriteOptionInfoLine(CFile& file, const char* key, int value) {
  return WriteOptionLine(file, GetName(kNameOptionInfoList), key, value);
}

bool CScriptHost::WriteCmdOnOffLine(CFile& file, const char* key, int value) {
  return WriteOptionLine(file, GetName(kNameCmdOnOffList), key, value);
}

bool WriteOptionFileLines() {
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return false;
  CFile file;
  if (!file.Open(SavedOptionFilePath().c_str(), CFile::modeCreate | CFile::modeWrite))
    return false;
  // Lines go out in large pieces: a file of many lines would otherwise cost a call each.
  const size_t kPiece = 65536;
  std::string pending;
  bool written = true;
  for (const std::string& line : record->m_otherLines) {
    // The whole line, NUL bytes included: it goes back exactly as it was read.
    pending.append(line).append("\r\n");
    if (pending.size() >= kPiece) {
      written = written && file.Write(pending.data(), static_cast<UINT>(pending.size()));
      pending.clear();
    }
  }
  if (!pending.empty())
    written = written && file.Write(pending.data(), static_cast<UINT>(pending.size()));
  file.Close();
  return written;
}

bool SaveOptionInfo() {
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return false;
  CFile file;
  if (!file.Open(SavedOptionFilePath().c_str(),
                 CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite) ||
      !file.SeekToEnd())
    return false;
  bool written = true;
  for (int i = 0; written && i < kNameOptionKeyCount; ++i) {
    const OptionBinding& binding = kOptionBindings[i];
    if (i > 0 && binding.table != kOptionBindings[i - 1].table)
      written = file.Write("\r\n", 2);  // the empty line between the two tables
    const char* key = GetName(binding.key);
    const int value = binding.setting(*record);
    written = written && (binding.table == kNameOptionInfoList
                              ? CScriptHost::WriteOptionInfoLine(file, key, value)
                              : CScriptHost::WriteCmdOnOffLine(file, key, value));
  }
  file.Close();
  return written;
}
