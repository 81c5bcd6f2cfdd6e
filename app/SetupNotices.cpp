// SetupNotices: the start-up notice and the failed-save report, put together from the texts of
// the player's language.
#include "app/SetupNotices.h"

#include <windows.h>

#include "app/SheetLanguages.h"
#include "script/OptionInfoFile.h"
#include "script/ScriptPlatform.h"
#include "settings/NameTable.h"
#include "settings/RegistryStore.h"

namespace {

const wchar_t kParagraph[] = L"\r\n\r\n";

// The text with every {file} replaced by the path of the file it speaks of.
std::wstring WithFile(const wchar_t* text, const std::string& path) {
  static const std::wstring kPlaceholder = L"{file}";
  const std::wstring file = FromSystemCodePage(path);
  std::wstring filled = text;
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
std::wstring FileLines(const OptionFileSave& file, const NoticeTexts& t) {
  std::wstring lines;
  if (file.problem == SaveProblem::kNotWritten) {
    for (const std::string& place : file.notWritten)
      lines += L"\r\n" + WithFile(t.notWritten, place);
    if (file.notWritten.empty())
      lines += L"\r\n" + WithFile(t.notWritten, file.path);
    return lines;
  }
  const wchar_t* why = nullptr;
  switch (file.problem) {
    case SaveProblem::kUnreadable:
      why = t.stillUnreadable;
      break;
    case SaveProblem::kUnfitUnicode:
      why = t.stillUnfitUnicode;
      break;
    case SaveProblem::kWouldNotLoad:
      why = t.wouldNotLoad;
      break;
    case SaveProblem::kTooLarge:
      why = t.stillTooLarge;
      break;
    case SaveProblem::kNotWritten:
    case SaveProblem::kNone:
      break;
  }
  lines += L"\r\n" + (why ? WithFile(why, file.path) : FromSystemCodePage(file.path));
  // Nothing was written: beside the client's copy, the game folder's file kept its bytes too.
  if (file.path != SavedOptionFilePath())
    lines += L"\r\n" + WithFile(t.leftAsWell, SavedOptionFilePath());
  return lines;
}

// The heading, then one path a line; nothing without paths.
void AddList(std::wstring& text, const wchar_t* heading, const std::vector<std::string>& paths) {
  if (paths.empty())
    return;
  std::wstring list = heading;
  for (const std::string& path : paths) list += L"\r\n" + FromSystemCodePage(path);
  AddParagraph(text, list);
}

}  // namespace

std::wstring StartupNotice(const SavedFileFound& file,
                           const std::vector<CScriptHost::UnreadFile>& unread,
                           const NoticeTexts& t) {
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
  switch (file.status) {
    case SavedFileStatus::kUnreadable:
      AddParagraph(text, WithFile(t.unreadable, file.path));
      AddParagraph(text, t.unreadableOnSave);
      break;
    case SavedFileStatus::kPrecompiled:
      AddParagraph(text, WithFile(t.precompiled, file.path));
      AddParagraph(text, t.precompiledOnSave);
      break;
    case SavedFileStatus::kUnfitUnicode:
      AddParagraph(text, WithFile(t.unfitUnicode, file.path));
      AddParagraph(text, t.unfitUnicodeOnSave);
      break;
    case SavedFileStatus::kTooLarge:
      AddParagraph(text, WithFile(t.savedTooLarge, file.path));
      break;
    case SavedFileStatus::kAbsent:
    case SavedFileStatus::kText:
      break;
  }
  AddList(text, t.tooLarge, tooLarge);
  AddList(text, t.cutShort, cutShort);
  if (savedCutShort)
    AddParagraph(text, WithFile(t.cutShortOnSave, file.path));
  if (file.hiddenText)
    AddParagraph(text, WithFile(t.hiddenText, file.path));
  if (file.nulInLines)
    AddParagraph(text, WithFile(t.nulInLines, file.path));
  return text;
}

std::wstring SaveFailureNotice(const OptionFileSave& file, bool fileSaved,
                               const RegistrySave& registry, const NoticeTexts& t) {
  std::wstring failed;
  if (!registry.gameKey)
    failed += L"\r\nHKEY_LOCAL_MACHINE\\" + FromSystemCodePage(kGameKeyPath);
  if (!registry.virtualCopy)
    failed += L"\r\nHKEY_CURRENT_USER\\" + FromSystemCodePage(VirtualGameKeyPath());
  if (!fileSaved)
    failed += FileLines(file, t);
  return failed.empty() ? failed : t.saveFailed + failed;
}
