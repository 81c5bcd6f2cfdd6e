// Reading the saved option file: the foreign lines kept as text, the program's values through Lua.
#include "script/OptionInfoFile.h"

#include <stdio.h>

#include "script/CScriptHost.h"
#include "script/LuaFileLoader.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

// Every line is judged as a whole; the CR of a CR LF belongs to the line end.
void KeepIfForeign(std::string& line, std::vector<std::string>& kept) {
  if (!line.empty() && line[line.size() - 1] == '\r')
    line.erase(line.size() - 1);
  if (!line.empty() && !IsOwnOptionLine(line))
    kept.push_back(line);
  line.clear();
}

}  // namespace

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

std::string SavedOptionFilePath() { return "savedata\\OptionInfo.lua"; }

int& OptionSetting(CRegistry& record, int entry) { return kOptionBindings[entry].setting(record); }

bool IsOwnOptionLine(const std::string& line) {
  // Only a quoted key marks a line as ours: a comment or a longer key that merely
  // contains one (SCREENWIDTH) belongs to someone else and must survive a save.
  std::string quoted;
  for (int i = 0; i < kNameOptionKeyCount; ++i) {
    const char* key = GetName(i);
    if (!key)
      continue;
    quoted.assign(1, '"').append(key).append(1, '"');
    if (line.find(quoted) != std::string::npos)
      return true;
  }
  return false;
}

OptionFileState ReadOptionFileLines() {
  OptionFileState state;
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return state;
  std::vector<std::string>& kept = record->m_otherLines;
  kept.clear();
  const std::string path = SavedOptionFilePath();
  if (IsPrecompiledFile(path.c_str())) {
    // Not text: a save replaces it with the program's own block.
    state.status = SavedFileStatus::kPrecompiled;
    return state;
  }
  // Binary: text mode would end the file at a 0x1A byte and drop every later line.
  FILE* file = fopen(path.c_str(), "rb");
  if (!file)
    return state;
  state.status = SavedFileStatus::kText;
  std::string line;
  char chunk[65536];
  size_t count;
  while ((count = fread(chunk, 1, sizeof(chunk), file)) > 0) {
    const char* p = chunk;
    const char* end = chunk + count;
    while (p < end) {
      const char* lf = static_cast<const char*>(memchr(p, '\n', end - p));
      if (!lf) {
        line.append(p, end);
        break;
      }
      line.append(p, lf);
      KeepIfForeign(line, kept);
      p = lf + 1;
    }
  }
  if (!ferror(file))
    KeepIfForeign(line, kept);  // a last line without a line feed
  fclose(file);
  return state;
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
