// SavedOptionFile: Notepad's encodings undone, then text mode's view of the file.
#include "script/SavedOptionFile.h"

#include "script/DataFileText.h"
#include "script/ScriptPlatform.h"

namespace {

bool StartsWith(const std::string& bytes, const char* mark, size_t length) {
  return bytes.compare(0, length, mark, length) == 0;
}

// A UTF-8 byte-order mark is dropped (Lua 5.1 would refuse it); UTF-16 with its mark becomes
// the system code page. False when a UTF-16 text does not fit it.
bool FromEditorEncoding(std::string& bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF", 3)) {
    bytes.erase(0, 3);
    return true;
  }
  const bool little = StartsWith(bytes, "\xFF\xFE", 2);
  if (!little && !StartsWith(bytes, "\xFE\xFF", 2))
    return true;
  if (bytes.size() % 2 != 0)
    return false;
  std::u16string wide;
  wide.reserve(bytes.size() / 2 - 1);
  for (size_t i = 2; i < bytes.size(); i += 2) {
    const unsigned char first = static_cast<unsigned char>(bytes[i]);
    const unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
    wide += static_cast<char16_t>(little ? first | second << 8 : first << 8 | second);
  }
  return ToSystemCodePage(wide, bytes);
}

}  // namespace

const char kSavedDataFolder[] = "savedata";

std::string SavedOptionFilePath() { return std::string(kSavedDataFolder) + "\\OptionInfo.lua"; }

SavedFileText ReadSavedOptionFile() {
  SavedFileText saved;
  std::string bytes;
  // A virtualized client sees its copy wherever one exists: that is the file it last wrote.
  saved.path = VirtualizedCopyPath(SavedOptionFilePath());
  FileRead read = saved.path.empty() ? FileRead::kAbsent : ReadWholeFile(saved.path, bytes);
  if (read == FileRead::kAbsent) {
    saved.path = SavedOptionFilePath();
    read = ReadWholeFile(saved.path, bytes);
  }
  if (read != FileRead::kRead) {
    saved.status = read == FileRead::kAbsent     ? SavedFileStatus::kAbsent
                   : read == FileRead::kTooLarge ? SavedFileStatus::kTooLarge
                                                 : SavedFileStatus::kUnreadable;
    return saved;
  }
  if (!FromEditorEncoding(bytes)) {
    saved.status = SavedFileStatus::kUnfitUnicode;
    return saved;
  }
  saved.text = TextModeView(std::move(bytes), &saved.hiddenText);
  if (IsPrecompiledText(saved.text)) {
    saved.status = SavedFileStatus::kPrecompiled;
    saved.text.clear();
    return saved;
  }
  saved.status = SavedFileStatus::kText;
  return saved;
}
