// The languages the sheet speaks: for each, its pair of page templates and its string table of
// Setup's own texts. A language is its templates, its string table and one row of
// kSheetLanguages.
#pragma once

#include <windows.h>

#include <stddef.h>

#include <string>
#include <string_view>

#include "ui/CSetupSheet.h"

struct SheetLanguage {
  // Its string table's language. A user interface language reads the row of its primary
  // language; Chinese, the row of its script.
  LANGID language;
  int optionTemplate;  // dialog template of the Option page
  int systemTemplate;  // dialog template of the System page
};
extern const SheetLanguage kSheetLanguages[];
extern const size_t kSheetLanguageCount;

// The language for a Windows user interface language as GetUserDefaultUILanguage returns it;
// a language without translated pages gets the English ones.
const SheetLanguage& GetSheetLanguage(LANGID uiLanguage);

// Text id (IDS_...) of the string table in that language alone; empty when it has none.
std::wstring_view FindStringIn(LANGID language, UINT id);
// Text id in the sheet's language; a text it lacks is the English one.
std::wstring SheetText(const SheetLanguage& language, UINT id);
// OK, Cancel and Reset in the sheet's language.
ButtonCaptions SheetButtons(const SheetLanguage& language);
