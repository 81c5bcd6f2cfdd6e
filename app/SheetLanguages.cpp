// The table of languages, and Setup's texts read from the string table of the sheet's language.
#include "app/SheetLanguages.h"

#include "framework/CWinApp.h"
#include "framework/ResourceData.h"
#include "ui/resource.h"

namespace {

// Taiwan, Hong Kong and Macao write Traditional characters; the mainland and Singapore
// Simplified ones.
bool IsTraditionalChinese(LANGID language) {
  switch (SUBLANGID(language)) {
    case SUBLANG_CHINESE_TRADITIONAL:
    case SUBLANG_CHINESE_HONGKONG:
    case SUBLANG_CHINESE_MACAU:
      return true;
  }
  return language == LANG_CHINESE_TRADITIONAL;  // the neutral zh-Hant
}

bool Speaks(const SheetLanguage& row, LANGID uiLanguage) {
  if (PRIMARYLANGID(row.language) != PRIMARYLANGID(uiLanguage))
    return false;
  return PRIMARYLANGID(uiLanguage) != LANG_CHINESE ||
         IsTraditionalChinese(row.language) == IsTraditionalChinese(uiLanguage);
}

}  // namespace

// English first: it serves every language without a row of its own.
const SheetLanguage kSheetLanguages[] = {
    {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), IDD_OPTION_PAGE_EN, IDD_SYSTEM_PAGE_EN},
    {MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN), IDD_OPTION_PAGE, IDD_SYSTEM_PAGE},
    {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), IDD_OPTION_PAGE_ZH_CN,
     IDD_SYSTEM_PAGE_ZH_CN},
    {MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL), IDD_OPTION_PAGE_ZH_TW,
     IDD_SYSTEM_PAGE_ZH_TW},
    {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), IDD_OPTION_PAGE_PT,
     IDD_SYSTEM_PAGE_PT},
    {MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), IDD_OPTION_PAGE_RU, IDD_SYSTEM_PAGE_RU},
    {MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), IDD_OPTION_PAGE_JA, IDD_SYSTEM_PAGE_JA},
};
const size_t kSheetLanguageCount = sizeof(kSheetLanguages) / sizeof(kSheetLanguages[0]);

const SheetLanguage& GetSheetLanguage(LANGID uiLanguage) {
  for (const SheetLanguage& language : kSheetLanguages)
    if (Speaks(language, uiLanguage))
      return language;
  return kSheetLanguages[0];
}

std::wstring_view FindStringIn(LANGID language, UINT id) {
  // A string table is stored in blocks of 16 counted UTF-16 strings: block n holds the ids from
  // (n - 1) * 16, an absent text being a count of 0.
  const ResourceData block =
      FindResourceData(AfxGetResourceHandle(), RT_STRING, id / 16 + 1, language);
  const wchar_t* at = static_cast<const wchar_t*>(block.data);
  const wchar_t* end = at + block.size / sizeof(wchar_t);
  for (UINT index = 0; at && at < end; ++index) {
    const size_t length = *at++;
    if (length > static_cast<size_t>(end - at))
      break;
    if (index == id % 16)
      return std::wstring_view(at, length);
    at += length;
  }
  return std::wstring_view();
}

std::wstring SheetText(const SheetLanguage& language, UINT id) {
  std::wstring_view text = FindStringIn(language.language, id);
  if (text.empty())
    text = FindStringIn(kSheetLanguages[0].language, id);
  return std::wstring(text);
}

ButtonCaptions SheetButtons(const SheetLanguage& language) {
  return {SheetText(language, IDS_OK), SheetText(language, IDS_CANCEL),
          SheetText(language, IDS_RESET)};
}
