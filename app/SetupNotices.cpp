// SetupNotices: the English texts of the start-up notice and of the failed-save report.
#include "app/SetupNotices.h"

#include "script/OptionInfoFile.h"
#include "settings/RegistryStore.h"

namespace {

const char kParagraph[] = "\r\n\r\n";

}  // namespace

std::string StartupNotice(const OptionFileState& file) {
  const std::string path = SavedOptionFilePath();
  std::string text;
  if (file.status == SavedFileStatus::kPrecompiled) {
    text += "Your saved settings in " + path +
            " are compiled Lua code. Setup reads saved settings only as plain text, so the "
            "settings shown are the game's defaults." +
            kParagraph + "If you save, the file is replaced with your settings as plain text.";
  }
  return text;
}

std::string SaveFailureNotice(const OptionFileState&, bool fileSaved, bool registrySaved) {
  std::string failed;
  if (!registrySaved)
    failed += std::string("\r\nHKEY_LOCAL_MACHINE\\") + kGameKeyPath;
  if (!fileSaved)
    failed += "\r\n" + SavedOptionFilePath();
  return failed.empty() ? failed : "The settings could not be saved to:" + failed;
}
