// Reading the saved option file: the foreign lines kept as text, the program's values through Lua.
#include "script/OptionInfoFile.h"

#include "script/CScriptHost.h"
#include "script/ForeignLines.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

template <int CRegistry::*kSetting>
int& Field(CRegistry& record) {
  return record.*kSetting;
}

template <int kSwitch>
int& Switch(CRegistry& record) {
  return record.m_aCmdOnOff[kSwitch];
}

}  // namespace

const OptionBinding kOptionBindings[kNameOptionKeyCount] = {
    {0, kNameOptionInfoList, Field<&CRegistry::m_nBgmVolume>},
    {1, kNameOptionInfoList, Field<&CRegistry::m_nEffectVolume>},
    {2, kNameOptionInfoList, Field<&CRegistry::m_nMouseExclusive>},
    {3, kNameOptionInfoList, Field<&CRegistry::m_nFullScreen>},
    {4, kNameOptionInfoList, Field<&CRegistry::m_nWidth>},
    {5, kNameOptionInfoList, Field<&CRegistry::m_nHeight>},
    {6, kNameOptionInfoList, Field<&CRegistry::m_nBitPerPixel>},
    {7, kNameOptionInfoList, Field<&CRegistry::m_nDeviceIndex>},
    {8, kNameOptionInfoList, Field<&CRegistry::m_nModeIndex>},
    {9, kNameOptionInfoList, Field<&CRegistry::m_nSpriteMode>},
    {10, kNameOptionInfoList, Field<&CRegistry::m_nTextureMode>},
    {11, kNameCmdOnOffList, Field<&CRegistry::m_bBgmOn>},
    {12, kNameCmdOnOffList, Field<&CRegistry::m_bSoundOn>},
    {13, kNameCmdOnOffList, Switch<0>},
    {14, kNameCmdOnOffList, Switch<1>},
    {15, kNameCmdOnOffList, Switch<2>},
    {16, kNameCmdOnOffList, Switch<3>},
    {17, kNameCmdOnOffList, Switch<4>},
    {18, kNameCmdOnOffList, Switch<5>},
    {19, kNameCmdOnOffList, Switch<6>},
    {20, kNameCmdOnOffList, Switch<7>},
    {21, kNameCmdOnOffList, Switch<8>},
    {22, kNameCmdOnOffList, Switch<9>},
    {23, kNameCmdOnOffList, Switch<10>},
    {24, kNameCmdOnOffList, Switch<11>},
    {25, kNameCmdOnOffList, Switch<12>},
    {26, kNameCmdOnOffList, Switch<13>},
    {27, kNameCmdOnOffList, Switch<14>},
    {28, kNameCmdOnOffList, Switch<15>},
    {29, kNameCmdOnOffList, Switch<16>},
    {30, kNameCmdOnOffList, Switch<17>},
    {31, kNameCmdOnOffList, Switch<18>},
    {32, kNameCmdOnOffList, Switch<19>},
    {33, kNameCmdOnOffList, Switch<20>},
};

int& OptionSetting(CRegistry& record, int entry) { return kOptionBindings[entry].setting(record); }

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
  for (const OptionBinding& binding : kOptionBindings) {
    int& setting = binding.setting(*record);
    const char* key = GetName(binding.key);
    setting = binding.table == kNameOptionInfoList ? g_scriptHost.GetSavedOption(key, setting)
                                                   : g_scriptHost.GetSavedCommand(key, setting);
  }
}
