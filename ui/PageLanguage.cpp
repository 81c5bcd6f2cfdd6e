// The page templates and button captions of each language the sheet speaks.
#include "ui/PageLanguage.h"

#include "ui/resource.h"

namespace {

const PageLanguage kKorean = {
    SheetLanguage::kKorean, IDD_OPTION_PAGE, IDD_SYSTEM_PAGE, {L"확인", L"취소", L"초기화"}};
const PageLanguage kEnglish = {
    SheetLanguage::kEnglish, IDD_OPTION_PAGE_EN, IDD_SYSTEM_PAGE_EN, {L"OK", L"Cancel", L"Reset"}};
const PageLanguage kSimplifiedChinese = {SheetLanguage::kSimplifiedChinese,
                                         IDD_OPTION_PAGE_ZH_CN,
                                         IDD_SYSTEM_PAGE_ZH_CN,
                                         {L"确定", L"取消", L"重置"}};
const PageLanguage kTraditionalChinese = {SheetLanguage::kTraditionalChinese,
                                          IDD_OPTION_PAGE_ZH_TW,
                                          IDD_SYSTEM_PAGE_ZH_TW,
                                          {L"確定", L"取消", L"重設"}};
const PageLanguage kPortuguese = {SheetLanguage::kPortuguese,
                                  IDD_OPTION_PAGE_PT,
                                  IDD_SYSTEM_PAGE_PT,
                                  {L"OK", L"Cancelar", L"Redefinir"}};
const PageLanguage kRussian = {
    SheetLanguage::kRussian, IDD_OPTION_PAGE_RU, IDD_SYSTEM_PAGE_RU, {L"ОК", L"Отмена", L"Сброс"}};
const PageLanguage kJapanese = {SheetLanguage::kJapanese,
                                IDD_OPTION_PAGE_JA,
                                IDD_SYSTEM_PAGE_JA,
                                {L"OK", L"キャンセル", L"リセット"}};

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

}  // namespace

const PageLanguage& GetPageLanguage(LANGID uiLanguage) {
  switch (PRIMARYLANGID(uiLanguage)) {
    case LANG_KOREAN:
      return kKorean;
    case LANG_CHINESE:
      return IsTraditionalChinese(uiLanguage) ? kTraditionalChinese : kSimplifiedChinese;
    case LANG_PORTUGUESE:
      return kPortuguese;
    case LANG_RUSSIAN:
      return kRussian;
    case LANG_JAPANESE:
      return kJapanese;
  }
  return kEnglish;
}
