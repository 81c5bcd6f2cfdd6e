// Test data of the sessions: the client defaults they install and the files they expect.
#pragma once

#include <map>
#include <string>

namespace e2e {

// The client's default option file of every session game folder (it replaces the demo's,
// so that the expected bytes below stand on their own).
const char kClientDefaults[] =
    "OptionInfoList = {\r\n"
    "  Bgm_Volume = 90,\r\n"
    "  Effect_Volume = 70,\r\n"
    "  MouseExclusive = 1,\r\n"
    "}\r\n"
    "CmdOnOffList = {\r\n"
    "  [\"/bgm\"] = 1,\r\n"
    "  [\"/sound\"] = 1,\r\n"
    "  [\"/notrade\"] = 0,\r\n"
    "  [\"/noshift\"] = 0,\r\n"
    "  [\"/noctrl\"] = 1,\r\n"
    "  [\"/skillfail\"] = 1,\r\n"
    "  [\"/notalkmsg\"] = 0,\r\n"
    "  [\"/notalkmsg2\"] = 0,\r\n"
    "  [\"/showname\"] = 1,\r\n"
    "  [\"/fog\"] = 1,\r\n"
    "  [\"/aura\"] = 1,\r\n"
    "  [\"/window\"] = 0,\r\n"
    "  [\"/miss\"] = 1,\r\n"
    "  [\"/effect\"] = 1,\r\n"
    "  [\"/shopping\"] = 0,\r\n"
    "  [\"/stateinfo\"] = 1,\r\n"
    "  [\"/loginout\"] = 1,\r\n"
    "  [\"/snap\"] = 0,\r\n"
    "  [\"/itemsnap\"] = 1,\r\n"
    "  [\"/camera\"] = 0,\r\n"
    "  [\"/hoai\"] = 1,\r\n"
    "  [\"/merai\"] = 0,\r\n"
    "  [\"/lightmap\"] = 1,\r\n"
    "}\r\n";

// A first run on 6.1 saved without changes, or after Reset: Wine's desktop lists 640 x 480,
// 768 x 576, 800 x 600 and then 1024 x 768, the default choice. The choice keeps the
// defaults' 16 bits per pixel, also where 6.2 lists only 32-bit modes.
const char kDefaultFile[] =
    "OptionInfoList[\"Bgm_Volume\"] = 90\r\n"
    "OptionInfoList[\"Effect_Volume\"] = 70\r\n"
    "OptionInfoList[\"MouseExclusive\"] = 1\r\n"
    "OptionInfoList[\"ISFULLSCREENMODE\"] = 0\r\n"
    "OptionInfoList[\"WIDTH\"] = 1024\r\n"
    "OptionInfoList[\"HEIGHT\"] = 768\r\n"
    "OptionInfoList[\"BITPERPIXEL\"] = 16\r\n"
    "OptionInfoList[\"DEVICECNT\"] = 0\r\n"
    "OptionInfoList[\"MODECNT\"] = 3\r\n"
    "OptionInfoList[\"SPRITEMODE\"] = 2\r\n"
    "OptionInfoList[\"TEXTUREMODE\"] = 2\r\n"
    "\r\n"
    "CmdOnOffList[\"/bgm\"] = 1\r\n"
    "CmdOnOffList[\"/sound\"] = 1\r\n"
    "CmdOnOffList[\"/notrade\"] = 0\r\n"
    "CmdOnOffList[\"/noshift\"] = 0\r\n"
    "CmdOnOffList[\"/noctrl\"] = 1\r\n"
    "CmdOnOffList[\"/skillfail\"] = 1\r\n"
    "CmdOnOffList[\"/notalkmsg\"] = 0\r\n"
    "CmdOnOffList[\"/notalkmsg2\"] = 0\r\n"
    "CmdOnOffList[\"/showname\"] = 1\r\n"
    "CmdOnOffList[\"/fog\"] = 1\r\n"
    "CmdOnOffList[\"/aura\"] = 1\r\n"
    "CmdOnOffList[\"/window\"] = 0\r\n"
    "CmdOnOffList[\"/miss\"] = 1\r\n"
    "CmdOnOffList[\"/effect\"] = 1\r\n"
    "CmdOnOffList[\"/shopping\"] = 0\r\n"
    "CmdOnOffList[\"/stateinfo\"] = 1\r\n"
    "CmdOnOffList[\"/loginout\"] = 1\r\n"
    "CmdOnOffList[\"/snap\"] = 0\r\n"
    "CmdOnOffList[\"/itemsnap\"] = 1\r\n"
    "CmdOnOffList[\"/camera\"] = 0\r\n"
    "CmdOnOffList[\"/hoai\"] = 1\r\n"
    "CmdOnOffList[\"/merai\"] = 0\r\n"
    "CmdOnOffList[\"/lightmap\"] = 1\r\n";

// Every control of both pages changed (see the session).
const char kEveryControlFile[] =
    "OptionInfoList[\"Bgm_Volume\"] = 125\r\n"
    "OptionInfoList[\"Effect_Volume\"] = 3\r\n"
    "OptionInfoList[\"MouseExclusive\"] = 0\r\n"
    "OptionInfoList[\"ISFULLSCREENMODE\"] = 1\r\n"
    "OptionInfoList[\"WIDTH\"] = 800\r\n"
    "OptionInfoList[\"HEIGHT\"] = 600\r\n"
    "OptionInfoList[\"BITPERPIXEL\"] = 16\r\n"
    "OptionInfoList[\"DEVICECNT\"] = 1\r\n"
    "OptionInfoList[\"MODECNT\"] = 2\r\n"
    "OptionInfoList[\"SPRITEMODE\"] = 0\r\n"
    "OptionInfoList[\"TEXTUREMODE\"] = 1\r\n"
    "\r\n"
    "CmdOnOffList[\"/bgm\"] = 0\r\n"
    "CmdOnOffList[\"/sound\"] = 0\r\n"
    "CmdOnOffList[\"/notrade\"] = 1\r\n"
    "CmdOnOffList[\"/noshift\"] = 0\r\n"
    "CmdOnOffList[\"/noctrl\"] = 0\r\n"
    "CmdOnOffList[\"/skillfail\"] = 1\r\n"
    "CmdOnOffList[\"/notalkmsg\"] = 0\r\n"
    "CmdOnOffList[\"/notalkmsg2\"] = 0\r\n"
    "CmdOnOffList[\"/showname\"] = 1\r\n"
    "CmdOnOffList[\"/fog\"] = 0\r\n"
    "CmdOnOffList[\"/aura\"] = 1\r\n"
    "CmdOnOffList[\"/window\"] = 1\r\n"
    "CmdOnOffList[\"/miss\"] = 1\r\n"
    "CmdOnOffList[\"/effect\"] = 1\r\n"
    "CmdOnOffList[\"/shopping\"] = 0\r\n"
    "CmdOnOffList[\"/stateinfo\"] = 1\r\n"
    "CmdOnOffList[\"/loginout\"] = 1\r\n"
    "CmdOnOffList[\"/snap\"] = 0\r\n"
    "CmdOnOffList[\"/itemsnap\"] = 1\r\n"
    "CmdOnOffList[\"/camera\"] = 1\r\n"
    "CmdOnOffList[\"/hoai\"] = 1\r\n"
    "CmdOnOffList[\"/merai\"] = 1\r\n"
    "CmdOnOffList[\"/lightmap\"] = 0\r\n";

// The earlier file's foreign lines, then the block after full screen and /notrade were
// switched on over the earlier file's resolution and /fog.
const char kSecondRunFile[] =
    "-- my own notes\r\n"
    "MyAddon = { speed = 3 }\r\n"
    "print_me = \"width\"\r\n"
    "last = 1\r\n"
    "OptionInfoList[\"Bgm_Volume\"] = 90\r\n"
    "OptionInfoList[\"Effect_Volume\"] = 70\r\n"
    "OptionInfoList[\"MouseExclusive\"] = 1\r\n"
    "OptionInfoList[\"ISFULLSCREENMODE\"] = 1\r\n"
    "OptionInfoList[\"WIDTH\"] = 800\r\n"
    "OptionInfoList[\"HEIGHT\"] = 600\r\n"
    "OptionInfoList[\"BITPERPIXEL\"] = 16\r\n"
    "OptionInfoList[\"DEVICECNT\"] = 0\r\n"
    "OptionInfoList[\"MODECNT\"] = 2\r\n"
    "OptionInfoList[\"SPRITEMODE\"] = 2\r\n"
    "OptionInfoList[\"TEXTUREMODE\"] = 2\r\n"
    "\r\n"
    "CmdOnOffList[\"/bgm\"] = 1\r\n"
    "CmdOnOffList[\"/sound\"] = 1\r\n"
    "CmdOnOffList[\"/notrade\"] = 1\r\n"
    "CmdOnOffList[\"/noshift\"] = 0\r\n"
    "CmdOnOffList[\"/noctrl\"] = 1\r\n"
    "CmdOnOffList[\"/skillfail\"] = 1\r\n"
    "CmdOnOffList[\"/notalkmsg\"] = 0\r\n"
    "CmdOnOffList[\"/notalkmsg2\"] = 0\r\n"
    "CmdOnOffList[\"/showname\"] = 1\r\n"
    "CmdOnOffList[\"/fog\"] = 0\r\n"
    "CmdOnOffList[\"/aura\"] = 1\r\n"
    "CmdOnOffList[\"/window\"] = 0\r\n"
    "CmdOnOffList[\"/miss\"] = 1\r\n"
    "CmdOnOffList[\"/effect\"] = 1\r\n"
    "CmdOnOffList[\"/shopping\"] = 0\r\n"
    "CmdOnOffList[\"/stateinfo\"] = 1\r\n"
    "CmdOnOffList[\"/loginout\"] = 1\r\n"
    "CmdOnOffList[\"/snap\"] = 0\r\n"
    "CmdOnOffList[\"/itemsnap\"] = 1\r\n"
    "CmdOnOffList[\"/camera\"] = 0\r\n"
    "CmdOnOffList[\"/hoai\"] = 1\r\n"
    "CmdOnOffList[\"/merai\"] = 0\r\n"
    "CmdOnOffList[\"/lightmap\"] = 1\r\n";

// A file above whose player chose a mode, as a session saves it where the listed modes have
// `depth` bits: the same sizes and positions are listed at each depth.
inline std::string WithDepth(const char* file, int depth) {
  const std::string sixteen = "OptionInfoList[\"BITPERPIXEL\"] = 16\r\n";
  std::string bytes = file;
  const size_t at = bytes.find(sixteen);
  if (at != std::string::npos)
    bytes.replace(at, sixteen.size(),
                  "OptionInfoList[\"BITPERPIXEL\"] = " + std::to_string(depth) + "\r\n");
  return bytes;
}

// System page control id -> what it shows after Reset with the client defaults above.
inline std::map<int, int> ResetSystemPage() {
  return {{1027, 0},  {1028, 3}, {1029, 0}, {1030, 2}, {1031, 2}, {1032, 90},
          {1033, 70}, {1034, 1}, {1035, 1}, {1036, 1}, {1037, 0}};
}

// Option page check box id -> state that the client defaults give.
inline std::map<int, int> DefaultSwitches() {
  return {{1026, 0}, {1035, 0}, {1044, 1}, {1027, 1}, {1036, 0}, {1045, 0}, {1028, 1},
          {1018, 1}, {1046, 1}, {1029, 0}, {1038, 1}, {1047, 1}, {1031, 0}, {1040, 1},
          {1048, 1}, {1032, 0}, {1041, 1}, {1049, 0}, {1033, 1}, {1042, 0}, {1013, 1}};
}

}  // namespace e2e
