// ScriptPlatform over Win32: files through CFile, MoveFileEx for the one-step replace, the
// virtualized copy from the environment's folders.
#include "script/ScriptPlatform.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/CFile.h"
#include "script/VirtualStorePath.h"

namespace {

std::wstring Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

// The current folder by its long name: a game folder named through a short alias
// ("C:\PROGRA~2\...") lies in Program Files all the same.
std::wstring GameFolder() {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH)
    return std::wstring();
  if (wmemchr(folder, L'~', length)) {
    wchar_t longName[MAX_PATH];
    const DWORD longLength = GetLongPathNameW(folder, longName, MAX_PATH);
    if (longLength > 0 && longLength < MAX_PATH)
      return std::wstring(longName, longLength);
  }
  return std::wstring(folder, length);
}

// The path for the 8-bit file calls. A user folder whose name the code page lacks (a Korean
// user name on an English Windows, say) is reached by its short name; failing that, the '?'
// put for what does not fit makes the copy one that is there but cannot be read, as it is.
std::string Narrow(const std::wstring& path) {
  std::string narrow;
  if (ToSystemCodePage(std::u16string(path.begin(), path.end()), narrow))
    return narrow;
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    return std::string();  // no copy to reach
  wchar_t shortName[MAX_PATH];
  const DWORD length = GetShortPathNameW(path.c_str(), shortName, MAX_PATH);
  if (length > 0 && length < MAX_PATH &&
      ToSystemCodePage(std::u16string(shortName, shortName + length), narrow))
    return narrow;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(),
                                       static_cast<int>(path.size()), nullptr, 0, "?", nullptr);
  narrow.assign(size > 0 ? size : 0, '?');
  if (size > 0)
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), static_cast<int>(path.size()),
                        &narrow[0], size, "?", nullptr);
  return narrow;
}

}  // namespace

FileRead ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  CFile file;
  if (!file.Open(path.c_str(), CFile::modeRead)) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::kAbsent
                                                                          : FileRead::kUnreadable;
  }
  // The size is known before anything is read: a file too large is never taken into memory.
  const long long length = file.GetLength();
  if (length > static_cast<long long>(kDataFileSizeLimit))
    return FileRead::kTooLarge;
  // Straight into the string, sized for the whole file and one byte more to see its end; a
  // file that grows meanwhile is read whole all the same, up to the limit.
  size_t done = 0;
  bytes.resize(length >= 0 ? static_cast<size_t>(length) + 1 : 65536);
  for (;;) {
    if (done > kDataFileSizeLimit) {
      bytes.clear();
      return FileRead::kTooLarge;
    }
    if (done == bytes.size())
      bytes.resize(std::min(bytes.size() * 2, kDataFileSizeLimit + 1));
    const size_t room = bytes.size() - done;
    UINT got = 0;
    if (!file.Read(&bytes[done], static_cast<UINT>(room < (1u << 24) ? room : 1u << 24), &got))
      return FileRead::kUnreadable;
    if (got == 0)
      break;
    done += got;
  }
  bytes.resize(done);
  return FileRead::kRead;
}

bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
  const std::string beside = path + ".new";
  CFile file;
  if (!file.Open(beside.c_str(), CFile::modeCreate | CFile::modeWrite))
    return false;
  bool done = file.Write(bytes.data(), static_cast<UINT>(bytes.size())) && file.Flush();
  file.Close();
  // One rename: the old file is there, whole, until the new one is.
  done = done && MoveFileExA(beside.c_str(), path.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!done)
    DeleteFileA(beside.c_str());
  return done;
}

std::string VirtualizedCopyPath(const std::string& path) {
  std::wstring folder = GameFolder();
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  if (folder.empty())
    return std::string();
  // What Windows virtualizes, as this process's environment names it: for a 32-bit program on
  // 64-bit Windows "ProgramFiles" is "Program Files (x86)" and "ProgramW6432" the other one.
  const std::vector<std::wstring> protectedFolders = {
      Environment(L"ProgramFiles"), Environment(L"ProgramFiles(x86)"), Environment(L"ProgramW6432"),
      Environment(L"ProgramData"), Environment(L"SystemRoot")};
  const std::wstring copy = VirtualStoreCopyOf(folder + L"\\" + FromSystemCodePage(path),
                                               protectedFolders, Environment(L"LOCALAPPDATA"));
  return copy.empty() ? std::string() : Narrow(copy);
}

bool ToSystemCodePage(const std::u16string& text, std::string& converted) {
  converted.clear();
  if (text.empty())
    return true;
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  // A UTF-8 system code page takes every character but refuses the used-default flag.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* used = utf8 ? nullptr : &usedDefault;
  const int size = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, used);
  if (size <= 0 || usedDefault)
    return false;
  converted.resize(size);
  return WideCharToMultiByte(CP_ACP, flags, wide, length, &converted[0], size, nullptr, used) ==
             size &&
         !usedDefault;
}

std::wstring FromSystemCodePage(const std::string& text) {
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(length > 0 ? length : 0, L'\0');
  if (length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
  return wide;
}

unsigned long TickMs() { return GetTickCount(); }
