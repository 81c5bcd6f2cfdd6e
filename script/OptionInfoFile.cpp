// Reading the saved option file: the foreign lines kept as text, the program's values through Lua.
#include "script/OptionInfoFile.h"

#include <stdio.h>

#include "script/CScriptHost.h"
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

int& OptionSetting(CRegistry& record, int entry) {
  switch (entry) {
    case 0:
      return record.m_nBgmVolume;
    case 1:
      return record.m_nEffectVolume;
    case 2:
      return record.m_nMouseExclusive;
    case 3:
      return record.m_nFullScreen;
    case 4:
      return record.m_nWidth;
    case 5:
      return record.m_nHeight;
    case 6:
      return record.m_nBitPerPixel;
    case 7:
      return record.m_nDeviceIndex;
    case 8:
      return record.m_nModeIndex;
    case 9:
      return record.m_nSpriteMode;
    case 10:
      return record.m_nTextureMode;
    case 11:
      return record.m_bBgmOn;
    case 12:
      return record.m_bSoundOn;
    default:
      return record.m_aCmdOnOff[entry - kNameFirstSwitch];
  }
}

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

void ReadOptionFileLines() {
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return;
  std::vector<std::string>& kept = record->m_otherLines;
  kept.clear();
  const std::string path = std::string(GetName(kNameSavedOptionFile)) + ".lua";
  // Binary: text mode would end the file at a 0x1A byte and drop every later line.
  FILE* file = fopen(path.c_str(), "rb");
  if (!file)
    return;
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
}

void LoadOptionInfo() {
  CRegistry* record = CRegistry::GetInstance();
  if (!record)
    return;
  // Each setting's current value (its default) answers for a key the file lacks.
  for (int i = 0; i < kNameOptionKeyCount; ++i) {
    int& setting = OptionSetting(*record, i);
    if (i < kNameFirstCommandKey)
      setting = g_scriptHost.GetSavedOption(GetName(i), setting);
    else
      setting = g_scriptHost.GetSavedCommand(GetName(i), setting);
  }
}
