// Reading the saved option file: the foreign lines kept as text, the program's values through Lua.
#include "script/OptionInfoFile.h"

#include "script/CScriptHost.h"
#include "script/ForeignLines.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

void TakeForeignLines(const SavedFileText& saved, SavedFileFound& found, CRegistry& record) {
  found.status = saved.status;
  found.path = saved.path;
  found.hiddenText = saved.hiddenText;
  found.nulInLines = false;
  if (saved.status == SavedFileStatus::kText) {
    record.m_otherLines.clear();
    found.nulInLines = CollectForeignLines(saved.text, record.m_otherLines);
  }
}

SavedFileFound ReadOptionFileLines() {
  SavedFileFound found;
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return found;
  record->m_otherLines.clear();
  // Read as the client reads it: a compiled chunk, or a file that cannot be read, has no
  // lines to keep; text after a Ctrl-Z is not part of it.
  TakeForeignLines(ReadSavedOptionFile(), found, *record);
  return found;
}

void LoadOptionInfo() {
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return;
  // Each setting's current value (its default) answers for a key the file lacks.
  for (int entry = 0; entry < kNameOptionKeyCount; ++entry) {
    int& setting = OptionSetting(*record, entry);
    const char* key = GetName(entry);
    setting = OptionTable(entry) == kNameOptionInfoList
                  ? g_scriptHost.GetSavedOption(key, setting)
                  : g_scriptHost.GetSavedCommand(key, setting);
  }
}
