// Hand-edited saved option files: every line the program does not own comes back after a
// save byte for byte, in order, with CR LF line ends, and its values come back too.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "DataFiles.h"
#include "GameFolder.h"
#include "LuaOracle.h"
#include "Mutator.h"
#include "Tally.h"
#include "script/CScriptHost.h"
#include "script/OptionInfoFile.h"
#include "settings/CRegistry.h"
#include "settings/NameTable.h"

namespace {

const char kSavedFile[] = "savedata\\OptionInfo.lua";
const int kFilesPerCase = 400;

// The keys, and the settings they carry, are the name table's: the saved file's bytes for them
// are checked where the block is written.
const int kKeys = kNameOptionKeyCount;

// The rule: a line is the program's own only when it holds one of the keys in double quotes.
bool NamesAKey(const std::string& line) {
  for (int entry = 0; entry < kKeys; ++entry)
    if (line.find("\"" + std::string(GetName(entry)) + "\"") != std::string::npos)
      return true;
  return false;
}

// What the program writes for the record, built here from the file format alone.
std::string Block(CRegistry& r) {
  std::string block;
  char line[96];
  for (int entry = 0; entry < kKeys; ++entry) {
    if (entry == kNameFirstCommandKey)
      block += "\r\n";
    snprintf(line, sizeof(line), "%s[\"%s\"] = %d\r\n",
             entry < kNameFirstCommandKey ? "OptionInfoList" : "CmdOnOffList", GetName(entry),
             OptionSetting(r, entry));
    block += line;
  }
  return block;
}

// Lines inside a long bracket or a continued string carry this mark: the rule keeps them
// whatever they name, since dropping one would unbalance the bracket or the string.
const char kInside[] = "@inside";

// Every line end Lua knows; CR CR LF reaches the lexer as CR LF through text mode.
const char* LineEnd(Mutator& rng) {
  const char* const ends[] = {"\r\n", "\r\n", "\r\n", "\n", "\r", "\n\r", "\r\r\n"};
  return ends[rng.Below(7)];
}

// A line a player, a tool or another program could leave in the file, or a few lines that
// belong together.
std::string MakeLines(Mutator& rng, bool& luaSafe) {
  const std::string key = GetName(rng.Below(kKeys));
  switch (rng.Below(13)) {
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
      return "-- \xb0\xd4\xc0\xd3 \xbc\xb3\xc1\xa4 in Korean";
    case 8:
      // What a power loss leaves: NULs, alone or after some text.
      return rng.Chance(50) ? std::string(rng.Between(1, 64), '\0')
                            : "-- cut off " + std::string(rng.Between(1, 8), '\0') + " here";
    case 9: {
      // One of the program's lines commented out or quoted over several lines.
      const std::string own = std::string(rng.Chance(50) ? "OptionInfoList" : "CmdOnOffList") +
                              "[\"" + key + "\"] = 1 " + kInside;
      const std::string level(rng.Below(3), '=');
      switch (rng.Below(3)) {
        case 0:
          return std::string("--[") + level + "[ " + kInside + LineEnd(rng) + own + LineEnd(rng) +
                 "]" + level + "] -- " + kInside;
        case 1:
          // Above level 0 a plain "]]" does not end the string.
          return std::string("Note = [") + level + "[ " + kInside + LineEnd(rng) + own +
                 (level.empty() ? "" : " ]]") + LineEnd(rng) + "]" + level + "] -- " + kInside;
        default:
          return std::string("Note = 'continued ") + kInside + " \\" + LineEnd(rng) + own + "'";
      }
    }
    default: {
      // Raw bytes, CRs among them; nothing that opens a string or a long bracket, no NUL, no
      // line feed and no Ctrl-Z, which the cases above bring.
      luaSafe = false;
      std::string line;
      const int length = rng.Between(1, 80);
      while (static_cast<int>(line.size()) < length) {
        const char c = static_cast<char>(rng.Between(1, 255));
        if (!strchr("\n\x1a\"'[]\\", c))
          line += c;
      }
      return line;
    }
  }
}

// What the client's Lua reads of the file (already out of any Unicode): the text before the
// first 0x1A with CR LF as LF, cut into lines at CR, LF, CR LF and LF CR. Kept: the marked
// lines, and non-empty lines that name no key.
std::vector<std::string> ExpectedKeptLines(const std::string& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size() && bytes[i] != '\x1a'; ++i) {
    if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
      text += bytes[i];
  }
  std::vector<std::string> kept;
  const auto finish = [&](const std::string& line) {
    if (line.find(kInside) != std::string::npos || (!line.empty() && !NamesAKey(line)))
      kept.push_back(line);
  };
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    finish(line);
    line.clear();
    if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c)
      ++i;
  }
  if (!line.empty())
    finish(line);
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

// The lines as a save writes them: each up to its first NUL byte, with CR LF.
std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line.substr(0, line.find('\0')) + "\r\n";
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
    std::string text;
    bool luaSafe = true;
    const int count = rng.Between(0, 30);
    // The program's block of an earlier save, perhaps, among the foreign lines.
    const int blockAt = rng.Chance(30) ? rng.Between(0, count) : -1;
    for (int n = 0; n < count; ++n) {
      if (n == blockAt)
        text += Block(*record);
      text += MakeLines(rng, luaSafe);
      if (n + 1 < count || rng.Chance(70))
        text += LineEnd(rng);
    }
    if (blockAt == count)
      text += (text.empty() || text.back() == '\n' ? "" : "\r\n") + Block(*record);
    if (rng.Chance(10))
      text = EndedByCtrlZ(rng, text);
    // As Notepad saves it: the program reads past a byte-order mark and out of UTF-16.
    std::string bytes = text;
    const uint32_t encoding = rng.Below(10);
    if (encoding == 0)
      bytes = "\xEF\xBB\xBF" + text;
    else if (encoding == 1 && !ToUtf16File(text, rng.Chance(50), bytes))
      bytes = text;
    GameFolder::Write(kSavedFile, bytes);
    ++tally.files;
    const std::vector<std::string> expected = ExpectedKeptLines(text);
    const bool compiled = LuaOracle::Compiles(kSavedFile, true);

    record->m_otherLines.clear();
    const SavedFileFound found = ReadOptionFileLines();
    ASSERT_EQ(expected, record->m_otherLines) << "file " << i << ":\n" << Printable(bytes);

    int values[kKeys];
    for (int entry = 0; entry < kKeys; ++entry) {
      values[entry] = rng.Chance(90) ? rng.Between(-1, 2048) : static_cast<int>(rng.Next());
      OptionSetting(*record, entry) = values[entry];
    }
    ComposedOptionFile file = ComposeOptionBlock(WriteOptionFileLines(found));
    ASSERT_TRUE(SaveOptionInfo(file)) << "file " << i << ":\n" << Printable(bytes);
    const std::string saved = GameFolder::Read(kSavedFile);
    ASSERT_EQ(Joined(expected) + Block(*record), saved) << "file " << i;
    // The client can load whatever it could load before.
    if (compiled) {
      EXPECT_TRUE(LuaOracle::Compiles(kSavedFile, false)) << "file " << i << ":\n"
                                                          << Printable(saved);
    }

    // A second start keeps the same lines, cut at their NULs, so saves never accumulate or
    // lose anything more.
    record->m_otherLines.clear();
    ReadOptionFileLines();
    EXPECT_EQ(ExpectedKeptLines(Joined(expected)), record->m_otherLines) << "file " << i;
    if (luaSafe) {
      // Lines of Lua comments and tables run, so the saved values are read back as well.
      for (int entry = 0; entry < kKeys; ++entry) OptionSetting(*record, entry) = -77;
      LoadOptionInfo();
      tally.lookups += kKeys;
      for (int entry = 0; entry < kKeys; ++entry)
        ASSERT_EQ(values[entry], OptionSetting(*record, entry))
            << GetName(entry) << " in file " << i << ":\n"
            << Printable(saved);
    }
  }
  tally.Print(seed);
}

// A Ctrl-Z ends the file as the client reads it: the text after it is not kept, and the saved
// block is never written where the client would not read it.
TEST_F(KeptLines, ACtrlZEndsTheFileAndNothingIsSavedBehindOne) {
  const std::string comment = "-- pasted from an old DOS editor ";
  GameFolder::Write(kSavedFile, comment + "\x1a and more\r\n");
  const SavedFileFound found = ReadOptionFileLines();
  ASSERT_EQ(std::vector<std::string>{comment}, record->m_otherLines);
  EXPECT_TRUE(found.hiddenText);
  for (int entry = 0; entry < kKeys; ++entry) OptionSetting(*record, entry) = entry + 100;
  ComposedOptionFile file = ComposeOptionBlock(WriteOptionFileLines(found));
  ASSERT_TRUE(SaveOptionInfo(file));
  EXPECT_EQ(std::string::npos, GameFolder::Read(kSavedFile).find('\x1a'));
  for (int entry = 0; entry < kKeys; ++entry) OptionSetting(*record, entry) = -1;
  LoadOptionInfo();
  for (int entry = 0; entry < kKeys; ++entry)
    EXPECT_EQ(entry + 100, OptionSetting(*record, entry)) << GetName(entry);
}

}  // namespace
