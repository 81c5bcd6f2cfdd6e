// SetupNotices: the English texts of the start-up notice and of the failed-save report.
#include "app/SetupNotices.h"

#include "script/OptionInfoFile.h"
#include "settings/RegistryStore.h"

namespace {

const char kParagraph[] = "\r\n\r\n";
// The game folder's file when the client's virtualized copy of it could not be saved.
const char kLeftAsWell[] = "it was left unchanged as well";

void AddParagraph(std::string& text, const std::string& paragraph) {
  if (!text.empty())
    text += kParagraph;
  text += paragraph;
}

// Why the saved option file was left as it was, or empty.
std::string SaveProblemText(SaveProblem problem) {
  switch (problem) {
    case SaveProblem::kUnreadable:
      return "it still could not be read, so it was left unchanged";
    case SaveProblem::kUnfitUnicode:
      return "it holds characters that the system's code page cannot show, so it was left "
             "unchanged";
    case SaveProblem::kWouldNotLoad:
      return "without Setup's old lines your own lines in it would no longer load, so it was "
             "left unchanged; please edit it by hand";
    case SaveProblem::kNotWritten:
      return "the new file could not be written (is the disk full?); the old file is unchanged";
    case SaveProblem::kNone:
      break;
  }
  return std::string();
}

}  // namespace

std::string StartupNotice(const OptionFileState& file) {
  const std::string& path = file.path;
  const std::string defaults = "The settings shown are the game's defaults.";
  std::string text;
  switch (file.status) {
    case SavedFileStatus::kUnreadable:
      AddParagraph(text, "Setup could not read your saved settings in " + path +
                             ": another program may be using the file, or you may not have "
                             "access to it. " +
                             defaults);
      AddParagraph(text,
                   "If you save, Setup reads the file again and keeps your own lines in it. If "
                   "it still cannot be read then, it is left unchanged.");
      break;
    case SavedFileStatus::kPrecompiled:
      AddParagraph(text, "Your saved settings in " + path +
                             " are compiled Lua code. Setup reads saved settings only as plain "
                             "text, so they were not used. " +
                             defaults);
      AddParagraph(text, "If you save, the file is replaced with your settings as plain text.");
      break;
    case SavedFileStatus::kUnfitUnicode:
      AddParagraph(text, "Your saved settings in " + path +
                             " are Unicode text with characters that the system's code page "
                             "cannot show, so neither the game nor Setup can read them. " +
                             defaults);
      AddParagraph(text, "If you save, that file is left unchanged.");
      break;
    case SavedFileStatus::kAbsent:
    case SavedFileStatus::kText:
      break;
  }
  if (file.hiddenText) {
    AddParagraph(text, path +
                           " has text after an end-of-file mark (Ctrl+Z). The game stops "
                           "reading at that mark, so that text has no effect, and if you save, "
                           "it is not kept.");
  }
  if (file.nulInLines) {
    AddParagraph(text, path +
                           " contains NUL bytes, as a power failure can leave behind. If you "
                           "save, each of your own lines in it is kept only up to its first NUL "
                           "byte.");
  }
  return text;
}

std::string SaveFailureNotice(const OptionFileState& file, bool fileSaved,
                              const RegistrySave& registry) {
  std::string failed;
  if (!registry.gameKey)
    failed += std::string("\r\nHKEY_LOCAL_MACHINE\\") + kGameKeyPath;
  if (!registry.virtualCopy)
    failed += std::string("\r\nHKEY_CURRENT_USER\\") + VirtualGameKeyPath();
  if (!fileSaved) {
    const std::string why = SaveProblemText(file.problem);
    if (file.problem == SaveProblem::kNotWritten) {
      for (const std::string& place : file.notWritten) failed += "\r\n" + place + ": " + why + ".";
    } else {
      failed += "\r\n" + file.path;
      if (!why.empty())
        failed += ": " + why + ".";
      // Nothing was written; beside the client's copy the game folder's file kept its bytes too.
      if (file.path != SavedOptionFilePath())
        failed += "\r\n" + SavedOptionFilePath() + ": " + kLeftAsWell + ".";
    }
  }
  return failed.empty() ? failed : "The settings could not be saved to:" + failed;
}
