// The name table, filled from its groups in order.
#include "settings/NameTable.h"

#include "settings/CRegistry.h"

// The declared lengths are the header's: a key left out here does not compile.
constexpr KeyedSetting kOptionInfoKeys[] = {
    {"Bgm_Volume", &CRegistry::m_nBgmVolume},
    {"Effect_Volume", &CRegistry::m_nEffectVolume},
    {"MouseExclusive", &CRegistry::m_nMouseExclusive},
    {"ISFULLSCREENMODE", &CRegistry::m_nFullScreen},
    {"WIDTH", &CRegistry::m_nWidth},
    {"HEIGHT", &CRegistry::m_nHeight},
    {"BITPERPIXEL", &CRegistry::m_nBitPerPixel},
    {"DEVICECNT", &CRegistry::m_nDeviceIndex},
    {"MODECNT", &CRegistry::m_nModeIndex},
    {"SPRITEMODE", &CRegistry::m_nSpriteMode},
    {"TEXTUREMODE", &CRegistry::m_nTextureMode},
};
constexpr KeyedSetting kSoundCommandKeys[] = {{"/bgm", &CRegistry::m_bBgmOn},
                                              {"/sound", &CRegistry::m_bSoundOn}};

namespace {

const char* g_names[kNameCount];

}  // namespace

void InitNameTable() {
  int at = 0;
  const auto add = [&at](const char* name) { g_names[at++] = name; };
  for (const KeyedSetting& option : kOptionInfoKeys) add(option.key);
  for (const KeyedSetting& command : kSoundCommandKeys) add(command.key);
  for (const char* name : kSwitchNames) add(name);
  for (const char* name : kTableAndFileNames) add(name);
  for (const char* name : kSystemTipNames) add(name);
  for (const char* name : kSwitchNames) add(name + 1);
  add("alreadyclient");
}

const char* GetName(int index) { return g_names[index]; }

int& OptionSetting(CRegistry& record, int entry) {
  if (entry < kNameFirstCommandKey)
    return record.*kOptionInfoKeys[entry].setting;
  if (entry < kNameFirstSwitch)
    return record.*kSoundCommandKeys[entry - kNameFirstCommandKey].setting;
  return record.m_aCmdOnOff[entry - kNameFirstSwitch];
}

int OptionTable(int entry) {
  return entry < kNameFirstCommandKey ? kNameOptionInfoList : kNameCmdOnOffList;
}
