// SetupNotices: the start-up notice and the failed-save report, put together from the texts of
// the player's language.
#include "app/SetupNotices.h"

#include <windows.h>

#include "app/SheetLanguages.h"
#include "script/OptionInfoFile.h"
#include "script/ScriptPlatform.h"
#include "settings/NameTable.h"
#include "settings/RegistryStore.h"
#include "ui/resource.h"

namespace {

const wchar_t kParagraph[] = L"\r\n\r\n";

// Text id with every {file} replaced by the path of the file it speaks of.
std::wstring WithFile(const SheetLanguage& language, UINT id, const std::string& path) {
  static const std::wstring kPlaceholder = L"{file}";
  const std::wstring file = FromSystemCodePage(path);
  std::wstring filled = SheetText(language, id);
  for (size_t at = filled.find(kPlaceholder); at != std::wstring::npos;
       at = filled.find(kPlaceholder, at + file.size()))
    filled.replace(at, kPlaceholder.size(), file);
  return filled;
}

void AddParagraph(std::wstring& text, const std::wstring& paragraph) {
  if (!text.empty())
    text += kParagraph;
  text += paragraph;
}

// The lines of the failure report for the saved option file: each place not written, with why.
std::wstring FileLines(const OptionFileSave& file, const SheetLanguage& language) {
  std::wstring lines;
  if (file.problem == SaveProblem::kNotWritten) {
    for (const std::string& place : file.notWritten)
      lines += L"\r\n" + WithFile(language, IDS_NOT_WRITTEN, place);
    if (file.notWritten.empty())
      lines += L"\r\n" + WithFile(language, IDS_NOT_WRITTEN, file.path);
    return lines;
  }
  // Why the file kept its bytes; a problem without its own line names the file alone.
  const SaveProblem p = file.problem;
  const UINT why = p == SaveProblem::kUnreadable     ? IDS_STILL_UNREADABLE
                   : p == SaveProblem::kUnfitUnicode ? IDS_STILL_UNFIT_UNICODE
                   : p == SaveProblem::kWouldNotLoad ? IDS_WOULD_NOT_LOAD
                   : p == SaveProblem::kTooLarge     ? IDS_STILL_TOO_LARGE
                                                     : 0;
  lines += L"\r\n" + (why ? WithFile(language, why, file.path) : FromSystemCodePage(file.path));
  // Nothing was written: beside the client's copy, the game folder's file kept its bytes too.
  if (file.path != SavedOptionFilePath())
    lines += L"\r\n" + WithFile(language, IDS_LEFT_AS_WELL, SavedOptionFilePath());
  return lines;
}

// The heading, then one path a line; nothing without paths.
void AddList(std::wstring& text, const SheetLanguage& language, UINT heading,
             const std::vector<std::string>& paths) {
  if (paths.empty())
    return;
  std::wstring list = SheetText(language, heading);
  for (const std::string& path : paths) list += L"\r\n" + FromSystemCodePage(path);
  AddParagraph(text, list);
}

}  // namespace

std::wstring StartupNotice(const SavedFileFound& file,
                           const std::vector<CScriptHost::UnreadFile>& unread,
                           const SheetLanguage& language) {
  std::vector<std::string> tooLarge, cutShort;
  bool savedCutShort = false;
  for (const CScriptHost::UnreadFile& data : unread) {
    const bool saved = data.file == kNameSavedOptionFile;
    if (data.tooLarge) {
      tooLarge.push_back(data.path);
    } else if (!saved) {
      // A file none of whose runs began is named by its base name, without an extension.
      cutShort.push_back(data.path.empty() ? GetName(data.file) : data.path);
    } else if (file.status == SavedFileStatus::kText) {
      // A saved file that was not there, or not read as text, was not cut short: it is told of
      // on its own.
      cutShort.push_back(file.path);
      savedCutShort = true;
    }
  }
  std::wstring text;
  // Why the saved file was not used, then what a save will do with it (0: nothing to add).
  const struct {
    SavedFileStatus status;
    UINT found, onSave;
  } kFindings[] = {{SavedFileStatus::kUnreadable, IDS_UNREADABLE, IDS_UNREADABLE_ON_SAVE},
                   {SavedFileStatus::kPrecompiled, IDS_PRECOMPILED, IDS_PRECOMPILED_ON_SAVE},
                   {SavedFileStatus::kUnfitUnicode, IDS_UNFIT_UNICODE, IDS_UNFIT_UNICODE_ON_SAVE},
                   {SavedFileStatus::kTooLarge, IDS_SAVED_TOO_LARGE, 0}};
  for (const auto& finding : kFindings) {
    if (finding.status != file.status)
      continue;
    AddParagraph(text, WithFile(language, finding.found, file.path));
    if (finding.onSave)
      AddParagraph(text, SheetText(language, finding.onSave));
  }
  AddList(text, language, IDS_TOO_LARGE, tooLarge);
  AddList(text, language, IDS_CUT_SHORT, cutShort);
  if (savedCutShort)
    AddParagraph(text, WithFile(language, IDS_CUT_SHORT_ON_SAVE, file.path));
  if (file.hiddenText)
    AddParagraph(text, WithFile(language, IDS_HIDDEN_TEXT, file.path));
  if (file.nulInLines)
    AddParagraph(text, WithFile(language, IDS_NUL_IN_LINES, file.path));
  return text;
}

std::wstring SaveFailureNotice(const OptionFileSave& file, bool fileSaved,
                               const RegistrySave& registry, const SheetLanguage& language) {
  std::wstring failed;
  if (!registry.gameKey)
    failed += L"\r\nHKEY_LOCAL_MACHINE\\" + FromSystemCodePage(kGameKeyPath);
  if (!registry.virtualCopy)
    failed += L"\r\nHKEY_CURRENT_USER\\" + FromSystemCodePage(VirtualGameKeyPath());
  if (!fileSaved)
    failed += FileLines(file, language);
  return failed.empty() ? failed : SheetText(language, IDS_SAVE_FAILED) + failed;
}
