// ScriptPlatform over Win32: files through CFile, MoveFileEx for the one-step replace.
#include "script/ScriptPlatform.h"

#include <windows.h>

#include "framework/CFile.h"

FileRead ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  CFile file;
  if (!file.Open(path.c_str(), CFile::modeRead)) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileRead::kAbsent
                                                                          : FileRead::kUnreadable;
  }
  char buffer[65536];
  UINT got = 0;
  for (;;) {
    if (!file.Read(buffer, sizeof(buffer), &got))
      return FileRead::kUnreadable;
    if (got == 0)
      return FileRead::kRead;
    bytes.append(buffer, got);
  }
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

unsigned long TickMs() { return GetTickCount(); }
