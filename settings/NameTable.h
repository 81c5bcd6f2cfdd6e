// The name table: the program's fixed 8-bit strings, addressed by index.
#pragma once

#include <iterator>

// The table's groups, in table order. Each group's first index follows from the lengths of
// the groups before it: an entry added to a group moves every later index with it.

// Keys of OptionInfoList.
inline constexpr const char* kOptionKeyNames[] = {
    "Bgm_Volume",  "Effect_Volume", "MouseExclusive", "ISFULLSCREENMODE", "WIDTH",      "HEIGHT",
    "BITPERPIXEL", "DEVICECNT",     "MODECNT",        "SPRITEMODE",       "TEXTUREMODE"};
// Keys of CmdOnOffList: the System page's two sound switches, then the Option page's chat-command
// switches in the order of m_aCmdOnOff. A switch's tooltip key is its command without the slash.
inline constexpr const char* kSoundCommandNames[] = {"/bgm", "/sound"};
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
// Tooltip keys of the System page, in the order of its tooltips.
inline constexpr const char* kSystemTipNames[] = {
    "Device",     "Mode",          "FullScreen", "MouseExclusive", "Sprite", "Texture",
    "Bgm_Volume", "Effect_Volume", "bgm",        "sound",          "NoSound"};

const int kCmdSwitchCount = static_cast<int>(std::size(kSwitchNames));

enum NameIndex : int {
  kNameFirstOptionKey = 0,
  kNameFirstCommandKey = kNameFirstOptionKey + std::size(kOptionKeyNames),
  kNameFirstSwitch = kNameFirstCommandKey + std::size(kSoundCommandNames),
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
