// The 73 entries of the name table.
#include "settings/NameTable.h"

namespace {

const char* g_names[kNameCount];

const char* const kNames[kNameCount] = {
    "Bgm_Volume", "Effect_Volume", "MouseExclusive", "ISFULLSCREENMODE", "WIDTH", "HEIGHT",
    "BITPERPIXEL", "DEVICECNT", "MODECNT", "SPRITEMODE", "TEXTUREMODE",
    // command keys
    "/bgm", "/sound", "/notrade", "/noshift", "/noctrl", "/skillfail", "/notalkmsg", "/notalkmsg2",
    "/showname", "/fog", "/aura", "/window", "/miss", "/effect", "/shopping", "/stateinfo",
    "/loginout", "/snap", "/itemsnap", "/camera", "/hoai", "/merai", "/lightmap",
    // Lua tables and data files
    "SetupMSG", "CmdOnOffList", "OptionInfoList", "System\\LuaFiles514\\MsgString",
    "System\\LuaFiles514\\OptionInfo", "SaveData\\OptionInfo",
    // System page tooltips
    "Device", "Mode", "FullScreen", "MouseExclusive", "Sprite", "Texture", "Bgm_Volume",
    "Effect_Volume", "bgm", "sound", "NoSound",
    // Option page tooltips: the switches' commands without the slash
    "notrade", "noshift", "noctrl", "skillfail", "notalkmsg", "notalkmsg2", "showname", "fog",
    "aura", "window", "miss", "effect", "shopping", "stateinfo", "loginout", "snap", "itemsnap",
    "camera", "hoai", "merai", "lightmap",
    // the client-running notice
    "alreadyclient"};

}  // namespace

void InitNameTable() {
  for (int i = 0; i < kNameCount; ++i) g_names[i] = kNames[i];
}

const char* GetName(int index) { return g_names[index]; }
