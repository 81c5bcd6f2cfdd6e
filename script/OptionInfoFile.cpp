// Reading the saved option file: the foreign lines kept as text, the program's values through Lua.
#include "script/OptionInfoFile.h"

#include "script/CScriptHost.h"
#include "script/ForeignLines.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

// The settings of the keys before the chat-command switches, in key order.
int CRegistry::*const kKeyedSettings[] = {
    &CRegistry::m_nBgmVolume,   &CRegistry::m_nEffectVolume, &CRegistry::m_nMouseExclusive,
    &CRegistry::m_nFullScreen,  &CRegistry::m_nWidth,        &CRegistry::m_nHeight,
    &CRegistry::m_nBitPerPixel, &CRegistry::m_nDeviceIndex,  &CRegistry::m_nModeIndex,
    &CRegistry::m_nSpriteMode,  &CRegistry::m_nTextureMode,  &CRegistry::m_bBgmOn,
    &CRegistry::m_bSoundOn};
static_assert(std::size(kKeyedSettings) == kNameFirstSwitch, "one setting per key");

}  // namespace

int& OptionSetting(CRegistry& record, int entry) {
  return entry < kNameFirstSwitch ? record.*kKeyedSettings[entry]
                                  : record.m_aCmdOnOff[entry - kNameFirstSwitch];
}

int OptionTable(int entry) {
  return entry < kNameFirstCommandKey ? kNameOptionInfoList : kNameCmdOnOffList;
}

void TakeForeignLines(const SavedFileText& saved, OptionFileState& file, CRegistry& record) {
  file.status = saved.status;
  file.path = saved.path;
  file.hiddenText = saved.hiddenText;
  file.nulInLines = false;
  if (saved.status == SavedFileStatus::kText) {
    record.m_otherLines.clear();
    file.nulInLines = CollectForeignLines(saved.text, record.m_otherLines);
  }
}

OptionFileState ReadOptionFileLines() {
  OptionFileState file;
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return file;
  record->m_otherLines.clear();
  // Read as the client reads it: a compiled chunk, or a file that cannot be read, has no
  // lines to keep; text after a Ctrl-Z is not part of it.
  TakeForeignLines(ReadSavedOptionFile(), file, *record);
  return file;
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
