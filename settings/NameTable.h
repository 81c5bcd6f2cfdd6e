// The name table: the program's fixed 8-bit strings, addressed by index.
#pragma once

#include <iterator>
#include <string_view>

class CRegistry;

// The table's groups, in table order. Each group's first index follows from the lengths of
// the groups before it: an entry added to a group moves every later index with it.

// A key the program owns in the saved option file, and the setting it carries there.
struct KeyedSetting {
  const char* key;
  int CRegistry::*setting;
};
// Keys of OptionInfoList, then the first keys of CmdOnOffList (the System page's two sound
// switches), each with its setting: in NameTable.cpp, which sees the record.
extern const KeyedSetting kOptionInfoKeys[11];
extern const KeyedSetting kSoundCommandKeys[2];
// The rest of CmdOnOffList: the Option page's chat-command switches, element i of m_aCmdOnOff
// each. A switch's tooltip key is its command without the slash.
inline constexpr const char* kSwitchNames[] = {
    "/notrade",  "/noshift", "/noctrl",   "/skillfail", "/notalkmsg", "/notalkmsg2", "/showname",
    "/fog",      "/aura",    "/window",   "/miss",      "/effect",    "/shopping",   "/stateinfo",
    "/loginout", "/snap",    "/itemsnap", "/camera",    "/hoai",      "/merai",      "/lightmap"};
// The Lua tables and the data files (paths without extension), as NameIndex names them.
inline constexpr const char* kTableAndFileNames[] = {"SetupMSG",
                                                     "CmdOnOffList",
                                                     "OptionInfoList",
                                                     "System\\LuaFiles514\\MsgString",
                                                     "System\\LuaFiles514\\OptionInfo",
                                                     "SaveData\\OptionInfo"};
// Tooltip keys of the System page.
inline constexpr const char* kSystemTipNames[] = {
    "Device",     "Mode",          "FullScreen", "MouseExclusive", "Sprite", "Texture",
    "Bgm_Volume", "Effect_Volume", "bgm",        "sound",          "NoSound"};

const int kCmdSwitchCount = static_cast<int>(std::size(kSwitchNames));

enum NameIndex : int {
  kNameFirstOptionKey = 0,
  kNameFirstCommandKey = kNameFirstOptionKey + std::size(kOptionInfoKeys),
  kNameFirstSwitch = kNameFirstCommandKey + std::size(kSoundCommandKeys),
  kNameOptionKeyCount = kNameFirstSwitch + kCmdSwitchCount,  // the keys the program owns
  kNameSetupMsg = kNameOptionKeyCount,
  kNameCmdOnOffList,
  kNameOptionInfoList,
  kNameMsgStringFile,
  kNameDefaultOptionFile,
  kNameSavedOptionFile,
  kNameFirstSystemTip = kNameSetupMsg + std::size(kTableAndFileNames),
  kNameFirstSwitchTip = kNameFirstSystemTip + std::size(kSystemTipNames),
  kNameAlreadyClient = kNameFirstSwitchTip + kCmdSwitchCount,
  kNameCount
};
static_assert(kNameSavedOptionFile + 1 == kNameFirstSystemTip, "one name per table and file");

void InitNameTable();
// No bounds test: callers pass 0 to kNameCount - 1.
const char* GetName(int index);

// The setting that option key `entry` (0 to kNameOptionKeyCount - 1) carries, and the Lua table
// (name-table entry) that holds it: the saved file's reading and writing both go by these two.
int& OptionSetting(CRegistry& record, int entry);
int OptionTable(int entry);

// The entry of `name` in a group starting at entry `first`; built into a constexpr table, a
// name the group lacks does not compile.
template <size_t N>
constexpr int EntryOf(const char* const (&names)[N], int first, std::string_view name) {
  for (size_t i = 0; i < N; ++i)
    if (name == names[i])
      return first + static_cast<int>(i);
  throw "not a name of the group";
}
