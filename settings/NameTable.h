// The name table: the program's fixed 8-bit strings, addressed by index.
#pragma once

// Indexes that other modules address by role.
enum NameIndex {
  kNameFirstOptionKey = 0,    // 0..10: keys of OptionInfoList
  kNameFirstCommandKey = 11,  // 11..33: keys of CmdOnOffList ("/bgm", "/sound", switches)
  kNameFirstSwitch = 13,      // 13..33: the 21 chat-command switches
  kNameOptionKeyCount = 34,   // entries 0..33 are the keys the program owns
  kNameSetupMsg = 34,
  kNameCmdOnOffList = 35,
  kNameOptionInfoList = 36,
  kNameMsgStringFile = 37,
  kNameDefaultOptionFile = 38,
  kNameSavedOptionFile = 39,
  kNameFirstSystemTip = 40,  // 40..50: System page tooltips
  kNameFirstSwitchTip = 51,  // 51..71: Option page tooltips
  kNameAlreadyClient = 72,
  kNameCount = 73
};

void InitNameTable();
// No bounds test: callers pass 0 to 72.
const char* GetName(int index);
