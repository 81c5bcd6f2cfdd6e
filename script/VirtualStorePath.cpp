// VirtualStorePath: the protected folder found, then the drive replaced by the VirtualStore.
#include "script/VirtualStorePath.h"

namespace {

wchar_t FoldAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c; }

bool SameName(const std::wstring& a, const std::wstring& b, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i]))
      return false;
  }
  return true;
}

std::wstring WithoutTrailingSlashes(std::wstring folder) {
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder;
}

// "X:\name...": a folder below a drive's root; nothing else is virtualized.
bool IsDriveFolder(const std::wstring& folder) {
  return folder.size() > 3 && folder[1] == L':' && folder[2] == L'\\';
}

}  // namespace

std::wstring VirtualStoreCopyOf(const std::wstring& fullPath,
                                const std::vector<std::wstring>& protectedFolders,
                                const std::wstring& localAppData) {
  const std::wstring store = WithoutTrailingSlashes(localAppData);
  if (store.empty() || !IsDriveFolder(fullPath))
    return std::wstring();
  for (const std::wstring& given : protectedFolders) {
    const std::wstring folder = WithoutTrailingSlashes(given);
    if (IsDriveFolder(folder) && fullPath.size() > folder.size() + 1 &&
        fullPath[folder.size()] == L'\\' && SameName(fullPath, folder, folder.size()))
      return store + L"\\VirtualStore" + fullPath.substr(2);
  }
  return std::wstring();
}
