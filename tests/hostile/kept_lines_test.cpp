// Hand-edited saved option files: every line the program does not own comes back after a
// save byte for byte, in order, with CR LF line ends, and its values come back too.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "DataFiles.h"
#include "GameFolder.h"
#include "Mutator.h"
#include "Tally.h"
#include "script/CScriptHost.h"
#include "script/OptionInfoFile.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

const char kSavedFile[] = "savedata\\OptionInfo.lua";
const int kFilesPerCase = 400;

// The setting each key carries, by the key's place in the saved block.
int& Setting(CRegistry& r, int entry) {
  int* const fields[13] = {&r.m_nBgmVolume,   &r.m_nEffectVolume, &r.m_nMouseExclusive,
                           &r.m_nFullScreen,  &r.m_nWidth,        &r.m_nHeight,
                           &r.m_nBitPerPixel, &r.m_nDeviceIndex,  &r.m_nModeIndex,
                           &r.m_nSpriteMode,  &r.m_nTextureMode,  &r.m_bBgmOn,
                           &r.m_bSoundOn};
  return entry < 13 ? *fields[entry] : r.m_aCmdOnOff[entry - 13];
}

const char* KeyOf(int entry) { return entry < 11 ? kOptionKeys[entry] : kCommandKeys[entry - 11]; }

// The rule: a line is the program's own only when it holds one of the keys in double quotes.
bool NamesAKey(const std::string& line) {
  for (int entry = 0; entry < 34; ++entry)
    if (line.find("\"" + std::string(KeyOf(entry)) + "\"") != std::string::npos)
      return true;
  return false;
}

// What the program writes for the record, built here from the file format alone.
std::string Block(CRegistry& r) {
  std::string block;
  char line[96];
  for (int entry = 0; entry < 34; ++entry) {
    if (entry == 11)
      block += "\r\n";
    snprintf(line, sizeof(line), "%s[\"%s\"] = %d\r\n",
             entry < 11 ? "OptionInfoList" : "CmdOnOffList", KeyOf(entry), Setting(r, entry));
    block += line;
  }
  return block;
}

// A line a player, a tool or another program could leave in the file.
std::string MakeLine(Mutator& rng, bool& luaSafe) {
  const std::string key = KeyOf(rng.Below(34));
  switch (rng.Below(12)) {
    case 0:
      return std::string(rng.Chance(50) ? "OptionInfoList" : "CmdOnOffList") + "[\"" + key +
             "\"] = " + std::to_string(rng.Between(-9, 999));
    case 1:
      return "-- " + key + " without quotes stays";
    case 2:
      return "-- 'quoted " + key + "' in single quotes stays";
    case 3:
      return "Other = {} Other[\"X" + key + "\"] = 1 -- a longer key";
    case 4: {
      std::string lower = key;
      for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
      return "-- \"" + lower + "\" in another case";
    }
    case 5:
      return std::string(rng.Below(4), ' ');
    case 6:
      return "Foreign = { note = \"" + key + "\" } -- names a key: dropped";
    case 7:
      return "-- \xb0\xd4\xc0\xd3 \xbc\xb3\xc1\xa4 \x1a after a Ctrl-Z";
    default: {
      // Raw bytes: no NUL (the file would not be text) and no line feed.
      luaSafe = false;
      std::string line;
      const int length = rng.Between(1, 80);
      for (int i = 0; i < length; ++i) {
        char c = static_cast<char>(rng.Between(1, 255));
        line += c == '\n' ? '\r' : c;
      }
      return line;
    }
  }
}

const char* LineEnd(Mutator& rng) {
  switch (rng.Below(6)) {
    case 0:
      return "\n";
    case 1:
      return "\r\r\n";  // the line keeps one CR
    default:
      return "\r\n";
  }
}

// Splits as the program must: at each LF, one CR before it belongs to the line end;
// empty lines and lines naming a key are dropped.
std::vector<std::string> ExpectedKeptLines(const std::string& bytes) {
  std::vector<std::string> kept;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t lf = bytes.find('\n', start);
    const bool last = lf == std::string::npos;
    if (last)
      lf = bytes.size();
    std::string line = bytes.substr(start, lf - start);
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    if (!line.empty() && !NamesAKey(line))
      kept.push_back(line);
    start = lf + 1;
  }
  return kept;
}

// The file's bytes for a failure message, with every control byte spelled out.
std::string Printable(const std::string& bytes) {
  std::string text;
  char escape[8];
  for (unsigned char c : bytes) {
    if (c == '\n') {
      text += "\\n\n";
    } else if (c < 0x20 || c >= 0x7f) {
      snprintf(escape, sizeof(escape), "\\x%02x", c);
      text += escape;
    } else {
      text += static_cast<char>(c);
    }
  }
  return text;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

class KeptLines : public ::testing::Test {
 protected:
  KeptLines() : folder("kept") {
    InitNameTable();
    CRegistry::CreateInstance();
    record = CRegistry::GetInstance();
  }
  ~KeptLines() override { CRegistry::DestroyInstance(); }

  GameFolder folder;
  CRegistry* record = nullptr;
  const uint64_t seed = Mutator::RunSeed();
};

TEST_F(KeptLines, ComeBackAfterASaveByteForByteAndInOrder) {
  Mutator rng(seed ^ 0x4);
  Tally tally("kept lines");
  for (int i = 0; i < kFilesPerCase && !HasFailure(); ++i) {
    std::string bytes;
    bool luaSafe = true;
    const int count = rng.Between(0, 30);
    for (int n = 0; n < count; ++n) {
      bytes += MakeLine(rng, luaSafe);
      if (n + 1 < count || rng.Chance(70))
        bytes += LineEnd(rng);
    }
    if (rng.Chance(30)) {
      // The program's block of an earlier save, in the middle of the foreign lines.
      const size_t at = bytes.find('\n', bytes.size() / 2);
      bytes.insert(at == std::string::npos ? bytes.size() : at + 1, Block(*record));
    }
    GameFolder::Write(kSavedFile, bytes);
    ++tally.files;
    const std::vector<std::string> expected = ExpectedKeptLines(bytes);

    record->m_otherLines.clear();
    ReadOptionFileLines();
    ASSERT_EQ(expected, record->m_otherLines) << "file " << i;

    int values[34];
    for (int entry = 0; entry < 34; ++entry) {
      values[entry] = rng.Chance(90) ? rng.Between(-1, 2048) : static_cast<int>(rng.Next());
      Setting(*record, entry) = values[entry];
    }
    ASSERT_TRUE(WriteOptionFileLines());
    ASSERT_TRUE(SaveOptionInfo());
    ASSERT_EQ(Joined(expected) + Block(*record), GameFolder::Read(kSavedFile)) << "file " << i;

    // A second start keeps the same lines, so saves never accumulate or lose anything.
    record->m_otherLines.clear();
    ReadOptionFileLines();
    EXPECT_EQ(expected, record->m_otherLines) << "file " << i;
    if (luaSafe) {
      // Lines of Lua comments and tables run, so the saved values are read back as well.
      for (int entry = 0; entry < 34; ++entry) Setting(*record, entry) = -77;
      LoadOptionInfo();
      tally.lookups += 34;
      for (int entry = 0; entry < 34; ++entry)
        ASSERT_EQ(values[entry], Setting(*record, entry))
            << KeyOf(entry) << " in file " << i << ":\n"
            << Printable(GameFolder::Read(kSavedFile));
    }
  }
  tally.Print(seed);
}

// A Ctrl-Z ends a file read in text mode: a foreign comment holding one must not hide the
// program's block that follows it from the next start.
TEST_F(KeptLines, ACtrlZInAForeignLineHidesNoSavedValue) {
  const std::string comment = "-- pasted from an old DOS editor \x1a and more";
  GameFolder::Write(kSavedFile, comment + "\r\n");
  ReadOptionFileLines();
  ASSERT_EQ(std::vector<std::string>{comment}, record->m_otherLines);
  for (int entry = 0; entry < 34; ++entry) Setting(*record, entry) = entry + 100;
  ASSERT_TRUE(WriteOptionFileLines());
  ASSERT_TRUE(SaveOptionInfo());
  for (int entry = 0; entry < 34; ++entry) Setting(*record, entry) = -1;
  LoadOptionInfo();
  for (int entry = 0; entry < 34; ++entry)
    EXPECT_EQ(entry + 100, Setting(*record, entry)) << KeyOf(entry);
}

}  // namespace
