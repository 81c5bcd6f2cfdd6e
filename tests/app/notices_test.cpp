// What Setup tells the player of a saved file it could not read or save, in each language.
#include <gtest/gtest.h>

#include <string>

#include "app/SetupNotices.h"
#include "app/SheetLanguages.h"
#include "script/OptionInfoFile.h"
#include "settings/NameTable.h"
#include "settings/RegistryStore.h"
#include "ui/resource.h"

namespace {

bool Has(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

TEST(SetupNotices, StartupNoticeGivesOneParagraphPerFindingWithThePathFilledIn) {
  SavedFileFound file;
  file.status = SavedFileStatus::kPrecompiled;
  file.nulInLines = true;
  const std::wstring notice = StartupNotice(file, {}, GetSheetLanguage(LANG_JAPANESE));
  EXPECT_EQ(0u, notice.find(L"savedata\\OptionInfo.lua に保存された設定はコンパイル済みの Lua "
                            L"コードです。"));
  EXPECT_TRUE(Has(notice, L"。\r\n\r\n保存すると、このファイルは"));
  EXPECT_TRUE(Has(notice, L"。\r\n\r\nsavedata\\OptionInfo.lua には、停電"));
  EXPECT_FALSE(Has(notice, L"{file}"));
  EXPECT_EQ(L"", StartupNotice(SavedFileFound(), {}, GetSheetLanguage(LANG_JAPANESE)));
}

// Files too large, then files cut short, each list under its heading; a file none of whose runs
// began goes by its base name; a saved file that was not read as text was not cut short.
TEST(SetupNotices, UnreadFilesAreListedUnderTheirHeadings) {
  InitNameTable();  // a file without a path of its own is named by its base path
  const std::vector<CScriptHost::UnreadFile> unread = {
      {kNameMsgStringFile, "System\\LuaFiles514\\MsgString.lub", true},
      {kNameDefaultOptionFile, "System\\LuaFiles514\\OptionInfo.lua", false},
      {kNameMsgStringFile, "", false},
      {kNameSavedOptionFile, "", false}};
  SavedFileFound file;
  file.status = SavedFileStatus::kText;
  const SheetLanguage& english = GetSheetLanguage(LANG_ENGLISH);
  const std::wstring expected =
      SheetText(english, IDS_TOO_LARGE) + L"\r\nSystem\\LuaFiles514\\MsgString.lub\r\n\r\n" +
      SheetText(english, IDS_CUT_SHORT) +
      L"\r\nSystem\\LuaFiles514\\OptionInfo.lua\r\nSystem\\LuaFiles514\\MsgString"
      L"\r\nsavedata\\OptionInfo.lua\r\n\r\nSome or all of the settings shown are the game's "
      L"defaults rather than those saved in savedata\\OptionInfo.lua.";
  const std::wstring notice = StartupNotice(file, unread, GetSheetLanguage(LANG_ENGLISH));
  EXPECT_EQ(expected, notice.substr(0, expected.size()));
  file.status = SavedFileStatus::kAbsent;
  EXPECT_FALSE(Has(StartupNotice(file, unread, GetSheetLanguage(LANG_ENGLISH)), L"savedata"));
}

TEST(SetupNotices, FailureReportListsEachPlaceNotWrittenUnderItsHeading) {
  OptionFileSave file;
  file.problem = SaveProblem::kNotWritten;
  EXPECT_EQ(
      L"Não foi possível salvar as configurações em:\r\n"
      L"HKEY_LOCAL_MACHINE\\Software\\Helvane\\Tessaril\r\n"
      L"savedata\\OptionInfo.lua: não foi possível gravar o novo arquivo (o disco está "
      L"cheio?); o arquivo antigo não foi alterado.",
      SaveFailureNotice(file, false, RegistrySave{false, true}, GetSheetLanguage(LANG_PORTUGUESE)));
  // A file that failed for no reason of its own is named alone.
  file.problem = SaveProblem::kNone;
  EXPECT_EQ(
      L"The settings could not be saved to:\r\nsavedata\\OptionInfo.lua",
      SaveFailureNotice(file, false, RegistrySave{true, true}, GetSheetLanguage(LANG_ENGLISH)));
  EXPECT_EQ(
      L"", SaveFailureNotice(file, true, RegistrySave{true, true}, GetSheetLanguage(LANG_ENGLISH)));
}

// With the client's copies: the report names the file or key that failed, not the one that
// was written.
TEST(SetupNotices, FailureReportNamesTheCopyOrKeyThatFailedNotTheOneWritten) {
  OptionFileSave file;
  file.path = "C:\\users\\p\\AppData\\Local\\VirtualStore\\Program Files\\T\\savedata\\a.lua";
  file.problem = SaveProblem::kNotWritten;
  file.notWritten = {file.path};
  const std::wstring text =
      SaveFailureNotice(file, false, RegistrySave{true, false}, GetSheetLanguage(LANG_ENGLISH));
  const auto has = [&text](const std::string& part) {
    return text.find(std::wstring(part.begin(), part.end())) != std::wstring::npos;
  };
  EXPECT_TRUE(has(file.path));
  EXPECT_FALSE(has("savedata\\OptionInfo.lua"));
  EXPECT_TRUE(has(std::string("HKEY_CURRENT_USER\\") + VirtualGameKeyPath()));
  EXPECT_FALSE(has("HKEY_LOCAL_MACHINE"));
}

}  // namespace
