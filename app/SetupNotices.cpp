// SetupNotices: the start-up notice and the failed-save report, put together from the texts of
// the player's language.
#include "app/SetupNotices.h"

#include <windows.h>

#include "app/NoticeTexts.h"
#include "script/OptionInfoFile.h"
#include "settings/RegistryStore.h"

namespace {

const wchar_t kParagraph[] = L"\r\n\r\n";

// Paths are 8-bit text in the system code page.
std::wstring FromSystemCodePage(const std::string& text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
  return wide;
}

// The text with every {file} replaced by the saved option file's path.
std::wstring WithFile(const wchar_t* text) {
  static const std::wstring kPlaceholder = L"{file}";
  const std::wstring file = FromSystemCodePage(SavedOptionFilePath());
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

// The saved file's line of the failure report: why it was left as it was, or just its path.
std::wstring FileLine(SaveProblem problem, const NoticeTexts& t) {
  switch (problem) {
    case SaveProblem::kUnreadable:
      return WithFile(t.stillUnreadable);
    case SaveProblem::kUnfitUnicode:
      return WithFile(t.stillUnfitUnicode);
    case SaveProblem::kWouldNotLoad:
      return WithFile(t.wouldNotLoad);
    case SaveProblem::kNotWritten:
      return WithFile(t.notWritten);
    case SaveProblem::kNone:
      break;
  }
  return FromSystemCodePage(SavedOptionFilePath());
}

}  // namespace

std::wstring StartupNotice(const OptionFileState& file, SheetLanguage language) {
  const NoticeTexts& t = GetNoticeTexts(language);
  std::wstring text;
  switch (file.status) {
    case SavedFileStatus::kUnreadable:
      AddParagraph(text, WithFile(t.unreadable));
      AddParagraph(text, t.unreadableOnSave);
      break;
    case SavedFileStatus::kPrecompiled:
      AddParagraph(text, WithFile(t.precompiled));
      AddParagraph(text, t.precompiledOnSave);
      break;
    case SavedFileStatus::kUnfitUnicode:
      AddParagraph(text, WithFile(t.unfitUnicode));
      AddParagraph(text, t.unfitUnicodeOnSave);
      break;
    case SavedFileStatus::kAbsent:
    case SavedFileStatus::kText:
      break;
  }
  if (file.hiddenText)
    AddParagraph(text, WithFile(t.hiddenText));
  if (file.nulInLines)
    AddParagraph(text, WithFile(t.nulInLines));
  return text;
}

std::wstring SaveFailureNotice(const OptionFileState& file, bool fileSaved, bool registrySaved,
                               SheetLanguage language) {
  const NoticeTexts& t = GetNoticeTexts(language);
  std::wstring failed;
  if (!registrySaved)
    failed += L"\r\nHKEY_LOCAL_MACHINE\\" + FromSystemCodePage(kGameKeyPath);
  if (!fileSaved)
    failed += L"\r\n" + FileLine(file.problem, t);
  return failed.empty() ? failed : t.saveFailed + failed;
}
