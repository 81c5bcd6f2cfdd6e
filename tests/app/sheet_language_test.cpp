// Which pages and button captions the player's user interface language gets.
#include <gtest/gtest.h>

#include <string>

#include "app/SheetLanguages.h"
#include "ui/resource.h"

namespace {

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

TEST(SheetLanguage, ButtonsAreInThePagesLanguage) {
  const SheetLanguage& korean = GetSheetLanguage(MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN));
  EXPECT_EQ(std::wstring(L"확인"), korean.buttons.ok);
  EXPECT_EQ(std::wstring(L"취소"), korean.buttons.cancel);
  EXPECT_EQ(std::wstring(L"초기화"), korean.buttons.reset);
  const SheetLanguage& english = GetSheetLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));

  // Every other language has all three captions in its own words.
  for (LANGID language : {LANG_KOREAN, LANG_CHINESE_SIMPLIFIED, LANG_CHINESE_TRADITIONAL,
                          LANG_PORTUGUESE, LANG_RUSSIAN, LANG_JAPANESE}) {
    SCOPED_TRACE(language);
    const SheetLanguage& l = GetSheetLanguage(language);
    for (const wchar_t* text : {l.buttons.ok, l.buttons.cancel, l.buttons.reset})
      EXPECT_TRUE(text && *text);
    EXPECT_NE(std::wstring(english.buttons.cancel), l.buttons.cancel);
  }
}

}  // namespace
