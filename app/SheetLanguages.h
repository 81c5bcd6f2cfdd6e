// The languages the sheet speaks: for each, its pair of page templates, the button captions
// and Setup's own texts. A language is one row of kSheetLanguages plus its two templates.
#pragma once

#include <windows.h>

#include <stddef.h>

#include "ui/CSetupSheet.h"

// Setup's own texts for what could not be read or saved, each a whole message as the player
// reads it; {file} stands for the saved option file's path.
struct NoticeTexts {
  // Before the sheet: why the saved file was not used, and what a save will do with it.
  const wchar_t* unreadable;
  const wchar_t* unreadableOnSave;
  const wchar_t* precompiled;
  const wchar_t* precompiledOnSave;
  const wchar_t* unfitUnicode;
  const wchar_t* unfitUnicodeOnSave;
  // Before the sheet: what a save will leave out of the file.
  const wchar_t* hiddenText;
  const wchar_t* nulInLines;
  // After a save in which a step failed: the heading, then one line per place not written;
  // the saved file's line says why it was left as it was.
  const wchar_t* saveFailed;
  const wchar_t* stillUnreadable;
  const wchar_t* stillUnfitUnicode;
  const wchar_t* wouldNotLoad;
  const wchar_t* notWritten;
  // Beside the client's copy that could not be saved: the game folder's file, not written either.
  const wchar_t* leftAsWell;
  // Before the sheet: a saved file too large to read (kDataFileSizeLimit, 8 MB), which a save
  // leaves alone; then the headings above lists of the client's files too large to read and of
  // the files cut short, and what a save does with a saved file cut short.
  const wchar_t* savedTooLarge;
  const wchar_t* tooLarge;
  const wchar_t* cutShort;
  const wchar_t* cutShortOnSave;
  // After a save: the saved file was still too large.
  const wchar_t* stillTooLarge;
  // Out of memory while reading the settings (the run ends) or while saving (nothing written).
  const wchar_t* outOfMemory;
  const wchar_t* saveOutOfMemory;
  // The sheet could not be made, or its message loop failed.
  const wchar_t* sheetFailed;
};

struct SheetLanguage {
  LANGID language;     // a primary language; for Chinese, LANG_CHINESE_SIMPLIFIED or _TRADITIONAL
  int optionTemplate;  // dialog template of the Option page
  int systemTemplate;  // dialog template of the System page
  ButtonCaptions buttons;
  const NoticeTexts& notices;
};
extern const SheetLanguage kSheetLanguages[];
extern const size_t kSheetLanguageCount;

// The language for a Windows user interface language as GetUserDefaultUILanguage returns it;
// a language without translated pages gets the English ones.
const SheetLanguage& GetSheetLanguage(LANGID uiLanguage);
