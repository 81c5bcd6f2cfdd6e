// What the sheet shows in one user interface language: its pair of page templates, the button
// captions and the text shown when a save fails.
#pragma once

#include <windows.h>

// The languages the sheet speaks.
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
  // Followed by the places that could not be written, one a line.
  const wchar_t* saveFailed;
};

// The language for a Windows user interface language as GetUserDefaultUILanguage returns it;
// a language without translated pages gets the English ones.
const PageLanguage& GetPageLanguage(LANGID uiLanguage);
