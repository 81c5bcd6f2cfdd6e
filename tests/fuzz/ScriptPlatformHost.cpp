// ScriptPlatform for the native fuzzing build: files in memory, a steady clock, and a system
// code page that holds ASCII only.
#include <chrono>

#include "HostFiles.h"
#include "script/ScriptPlatform.h"

bool g_hostWritesFail = false;

std::map<std::string, std::string>& HostFiles() {
  static std::map<std::string, std::string> files;
  return files;
}

FileRead ReadWholeFile(const std::string& path, std::string& bytes) {
  const auto found = HostFiles().find(path);
  if (found == HostFiles().end()) {
    bytes.clear();
    return FileRead::kAbsent;
  }
  if (found->second.size() > kDataFileSizeLimit) {
    bytes.clear();
    return FileRead::kTooLarge;
  }
  bytes = found->second;
  return FileRead::kRead;
}

bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
  if (g_hostWritesFail)
    return false;
  HostFiles()[path] = bytes;
  return true;
}

// A game folder in memory lies in no folder that Windows virtualizes.
std::string VirtualizedCopyPath(const std::string&) { return std::string(); }

bool ToSystemCodePage(const std::u16string& text, std::string& converted) {
  converted.clear();
  for (char16_t c : text) {
    if (c >= 0x80)
      return false;
    converted += static_cast<char>(c);
  }
  return true;
}

std::wstring FromSystemCodePage(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

unsigned long TickMs() {
  using namespace std::chrono;
  return static_cast<unsigned long>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
