// Which pages and texts the player's user interface language gets.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/SheetLanguages.h"
#include "ui/resource.h"

namespace {

// What a text shows in every language, so that two swapped texts differ: the path, names and
// number it speaks of, and whether it heads a list or is one line of one.
std::vector<bool> Marks(std::wstring_view text) {
  std::vector<bool> marks;
  for (const wchar_t* word : {L"{file}", L"8", L"NUL", L"Ctrl+Z", L"Lua", L"Setup"})
    marks.push_back(text.find(word) != text.npos);
  marks.push_back(!text.empty() && (text.back() == L':' || text.back() == L'：'));
  marks.push_back(text.substr(0, 7) == L"{file}:" || text.substr(0, 7) == L"{file}：");
  return marks;
}

TEST(SheetLanguage, EachUserInterfaceLanguageGetsItsOwnPairOfPages) {
  const struct {
    LANGID language;
    int option, system;
  } cases[] = {
      {MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN), IDD_OPTION_PAGE, IDD_SYSTEM_PAGE},
      {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), IDD_OPTION_PAGE_EN, IDD_SYSTEM_PAGE_EN},
      {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK), IDD_OPTION_PAGE_EN, IDD_SYSTEM_PAGE_EN},
      {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), IDD_OPTION_PAGE_ZH_CN,
       IDD_SYSTEM_PAGE_ZH_CN},
      {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SINGAPORE), IDD_OPTION_PAGE_ZH_CN,
       IDD_SYSTEM_PAGE_ZH_CN},
      {MAKELANGID(LANG_CHINESE, SUBLANG_NEUTRAL), IDD_OPTION_PAGE_ZH_CN, IDD_SYSTEM_PAGE_ZH_CN},
      {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), IDD_OPTION_PAGE_ZH_TW,
       IDD_SYSTEM_PAGE_ZH_TW},
      {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_HONGKONG), IDD_OPTION_PAGE_ZH_TW,
       IDD_SYSTEM_PAGE_ZH_TW},
      {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_MACAU), IDD_OPTION_PAGE_ZH_TW,
       IDD_SYSTEM_PAGE_ZH_TW},
      {LANG_CHINESE_TRADITIONAL, IDD_OPTION_PAGE_ZH_TW, IDD_SYSTEM_PAGE_ZH_TW},
      {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), IDD_OPTION_PAGE_PT,
       IDD_SYSTEM_PAGE_PT},
      {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE), IDD_OPTION_PAGE_PT, IDD_SYSTEM_PAGE_PT},
      {MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), IDD_OPTION_PAGE_RU, IDD_SYSTEM_PAGE_RU},
      {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), IDD_OPTION_PAGE_JA, IDD_SYSTEM_PAGE_JA},
      // Languages without pages of their own read English.
      {MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), IDD_OPTION_PAGE_EN, IDD_SYSTEM_PAGE_EN},
      {MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MEXICAN), IDD_OPTION_PAGE_EN, IDD_SYSTEM_PAGE_EN},
      {MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), IDD_OPTION_PAGE_EN, IDD_SYSTEM_PAGE_EN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "language 0x" << std::hex << c.language);
    const SheetLanguage& language = GetSheetLanguage(c.language);
    EXPECT_EQ(c.option, language.optionTemplate);
    EXPECT_EQ(c.system, language.systemTemplate);
  }
}

// Each language's string table holds every text in its own words: one left out, or under the
// wrong id, would show its players English or the wrong words.
TEST(SheetLanguage, EveryLanguageHasEveryTextInItsOwnWords) {
  const LANGID english = kSheetLanguages[0].language;
  for (size_t l = 0; l < kSheetLanguageCount; ++l)
    for (UINT id = IDS_OK; id <= IDS_SHEET_FAILED; ++id) {
      const LANGID language = kSheetLanguages[l].language;
      SCOPED_TRACE(testing::Message() << "language " << language << ", id " << id);
      const std::wstring_view text = FindStringIn(language, id);
      ASSERT_FALSE(text.empty());
      EXPECT_EQ(Marks(FindStringIn(english, id)), Marks(text));
      if (language != english && id != IDS_OK) {
        EXPECT_NE(FindStringIn(english, id), text);
      }
    }
  // A language without a table of its own reads the English texts.
  EXPECT_EQ(L"Cancel", SheetText({MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), 0, 0}, IDS_CANCEL));
}

}  // namespace
