// What the sheet shows in one user interface language: its pair of page templates and the
// button captions.
#pragma once

#include <windows.h>

// The languages the sheet speaks; Setup's own message texts are kept per language as well.
enum class SheetLanguage {
  kKorean,
  kEnglish,
  kSimplifiedChinese,
  kTraditionalChinese,
  kPortuguese,
  kRussian,
  kJapanese,
};
const int kSheetLanguageCount = 7;

struct ButtonCaptions {
  const wchar_t* ok;
  const wchar_t* cancel;
  const wchar_t* reset;
};

struct PageLanguage {
  SheetLanguage id;
  int optionTemplate;  // dialog template of the Option page
  int systemTemplate;  // dialog template of the System page
  ButtonCaptions buttons;
};

// The language for a Windows user interface language as GetUserDefaultUILanguage returns it;
// a language without translated pages gets the English ones.
const PageLanguage& GetPageLanguage(LANGID uiLanguage);
