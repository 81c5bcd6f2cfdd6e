// Damaged and hand-edited client data files: every lookup ends in time with the value or
// the default that the lookup rules give, and nothing crashes.
#include <gtest/gtest.h>

#include <string>

#include "DataFiles.h"
#include "GameFolder.h"
#include "LuaOracle.h"
#include "Mutator.h"
#include "Stopwatch.h"
#include "Tally.h"
#include "script/CScriptHost.h"
#include "settings/NameTable.h"

namespace {

const char kMessageBase[] = "System\\LuaFiles514\\MsgString";
const char kDefaultBase[] = "System\\LuaFiles514\\OptionInfo";
const char kSavedBase[] = "SaveData\\OptionInfo";
// A lookup in a small file takes a millisecond; this is what a stalled one would overrun.
const double kLookupBoundMs = 2000;
const int kFilesPerCase = 700;

enum Layout { kSourceLua, kChunkLub, kChunkLua, kSourceLub, kBrokenLubOverLua, kLayoutCount };

// How a file was put on disk, and whether its values are known without running it.
struct Written {
  bool known = true;
  std::string how;
  Layout layout = kSourceLua;
};

// What an editor may leave of a source file: a Ctrl-Z with text after it, which the client
// never reads, and for the saved file Notepad's byte-order mark or its UTF-16, which the
// program reads past. A client file with a byte-order mark does not load, as for the client.
std::string AsEdited(Mutator& rng, std::string source, bool savedFile, Written& written) {
  if (rng.Chance(8))
    source = EndedByCtrlZ(rng, source);
  if (savedFile && rng.Chance(8)) {
    std::string wide;
    if (ToUtf16File(source, rng.Chance(50), wide))
      return wide;
  }
  if (rng.Chance(savedFile ? 8 : 2)) {
    written.known = written.known && savedFile;
    return "\xEF\xBB\xBF" + source;
  }
  return source;
}

// Puts the source on disk as the client ships it (source or precompiled, either name),
// damaged or not; a precompiled candidate may also be broken over a good source.
Written WriteDataFile(Mutator& rng, const std::string& base, const std::string& source,
                      bool mayDamage, Tally& tally) {
  GameFolder::Remove(base + ".lub");
  GameFolder::Remove(base + ".lua");
  const Layout layout = static_cast<Layout>(rng.Below(kLayoutCount));
  const bool compiled = layout == kChunkLub || layout == kChunkLua || layout == kBrokenLubOverLua;
  const std::string chunk = compiled ? LuaOracle::Compile(source) : std::string();
  Written written;
  written.layout = layout;
  if (compiled && chunk.empty()) {
    ADD_FAILURE() << "generated source does not compile:\n" << source;
    return written;
  }
  const bool savedFile = base == kSavedBase;
  std::string primary = compiled ? chunk : AsEdited(rng, source, savedFile, written);
  written.how = layout == kBrokenLubOverLua ? "broken .lub over .lua" : "plain";
  if (layout == kBrokenLubOverLua || (mayDamage && rng.Chance(65))) {
    written.how = rng.Damage(primary);
    written.known = false;
    ++tally.damaged;
  }
  const bool underLub = layout == kChunkLub || layout == kSourceLub || layout == kBrokenLubOverLua;
  GameFolder::Write(base + (underLub ? ".lub" : ".lua"), primary);
  if (layout == kBrokenLubOverLua)
    GameFolder::Write(base + ".lua", source);
  ++tally.files;
  return written;
}

// Runs one lookup of the program and holds it to the bound.
template <typename Lookup>
auto Timed(Tally& tally, Lookup lookup) -> decltype(lookup()) {
  Stopwatch watch;
  auto result = lookup();
  const double ms = watch.Ms();
  ++tally.lookups;
  if (ms > tally.slowestMs)
    tally.slowestMs = ms;
  EXPECT_LT(ms, kLookupBoundMs);
  return result;
}

class ScriptFiles : public ::testing::Test {
 protected:
  ScriptFiles() : folder(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    InitNameTable();
  }
  GameFolder folder;
  const uint64_t seed = Mutator::RunSeed();
};

TEST_F(ScriptFiles, MessageLookupsGiveTheTextOrEmpty) {
  Mutator rng(seed ^ 0x1);
  LuaOracle oracle;
  Tally tally("message file");
  for (int i = 0; i < kFilesPerCase && !HasFailure(); ++i) {
    MessageModel model;
    const std::string source = MakeMessageSource(rng, model);
    const Written written = WriteDataFile(rng, kMessageBase, source, true, tally);
    for (int k = 0; k < 3; ++k) {
      const std::string key = PickMessageKey(rng, model);
      const std::string got =
          Timed(tally, [&] { return std::string(g_scriptHost.GetMessage(key.c_str())); });
      const std::string expected = oracle.Message(key.c_str());
      EXPECT_EQ(expected, got) << "file " << i << " (" << written.how << "), key \"" << key << "\"";
      if (written.known) {
        EXPECT_EQ(model.Text(key), got) << "file " << i << ", key \"" << key << "\":\n" << source;
      }
    }
  }
  tally.Print(seed);
}

TEST_F(ScriptFiles, DefaultOptionLookupsGiveTheValueOrZero) {
  Mutator rng(seed ^ 0x2);
  LuaOracle oracle;
  Tally tally("default option file");
  for (int i = 0; i < kFilesPerCase && !HasFailure(); ++i) {
    OptionModel model;
    const std::string source = MakeOptionSource(rng, true, model);
    const Written written = WriteDataFile(rng, kDefaultBase, source, true, tally);
    for (int k = 0; k < 3; ++k) {
      const int table = static_cast<int>(rng.Below(2));
      const std::string key = PickOptionKey(rng, model, table);
      const int got = Timed(tally, [&] {
        return table == kOptionInfoList ? g_scriptHost.GetDefaultOption(key.c_str())
                                        : g_scriptHost.GetDefaultCommand(key.c_str());
      });
      EXPECT_EQ(oracle.Default(TableName(table), key.c_str()), got)
          << "file " << i << " (" << written.how << "), " << TableName(table) << "[\"" << key
          << "\"]";
      if (written.known) {
        EXPECT_EQ(model.Number(table, key, 0), got) << "file " << i << ", key \"" << key << "\":\n"
                                                    << source;
      }
    }
  }
  tally.Print(seed);
}

// The saved file answers for itself when it loads; when it does not, the whole client
// default file answers instead; with neither, the caller's default stands.
TEST_F(ScriptFiles, SavedOptionLookupsFallBackFileByFile) {
  Mutator rng(seed ^ 0x3);
  LuaOracle oracle;
  Tally tally("saved option file");
  for (int i = 0; i < kFilesPerCase && !HasFailure(); ++i) {
    OptionModel defaults;
    const bool hasDefaults = rng.Chance(80);
    GameFolder::Remove(std::string(kDefaultBase) + ".lub");
    GameFolder::Remove(std::string(kDefaultBase) + ".lua");
    if (hasDefaults)
      WriteDataFile(rng, kDefaultBase, MakeOptionSource(rng, true, defaults), false, tally);
    OptionModel saved;
    const bool hasSaved = rng.Chance(90);
    Written written;
    std::string source;
    GameFolder::Remove(std::string(kSavedBase) + ".lub");
    GameFolder::Remove(std::string(kSavedBase) + ".lua");
    if (hasSaved) {
      source = MakeSavedSource(rng, saved);
      written = WriteDataFile(rng, kSavedBase, source, true, tally);
    }
    // Start-up order: a few client defaults first, then the saved values over them.
    for (int k = 0; k < 2; ++k) {
      const std::string key = kOptionKeys[rng.Below(11)];
      EXPECT_EQ(oracle.Default("OptionInfoList", key.c_str()),
                Timed(tally, [&] { return g_scriptHost.GetDefaultOption(key.c_str()); }));
    }
    for (int k = 0; k < 4; ++k) {
      const int table = static_cast<int>(rng.Below(2));
      const std::string key = PickOptionKey(rng, hasSaved ? saved : defaults, table);
      const int fallback = rng.Chance(50) ? rng.Between(-1, 3) : static_cast<int>(rng.Next());
      const int got = Timed(tally, [&] {
        return table == kOptionInfoList ? g_scriptHost.GetSavedOption(key.c_str(), fallback)
                                        : g_scriptHost.GetSavedCommand(key.c_str(), fallback);
      });
      EXPECT_EQ(oracle.Saved(TableName(table), key.c_str(), fallback), got)
          << "file " << i << " (" << written.how << "), " << TableName(table) << "[\"" << key
          << "\"]";
      // Only source text under the ".lua" name is the saved file; a broken ".lub" beside it
      // is never read.
      const bool savedSource =
          hasSaved && (written.layout == kSourceLua || written.layout == kBrokenLubOverLua);
      if (savedSource && !written.known && written.layout != kBrokenLubOverLua)
        continue;
      const int expected = savedSource   ? saved.Number(table, key, fallback)
                           : hasDefaults ? defaults.Number(table, key, fallback)
                                         : fallback;
      EXPECT_EQ(expected, got) << "file " << i << ", key \"" << key << "\":\n" << source;
    }
  }
  tally.Print(seed);
}

}  // namespace
