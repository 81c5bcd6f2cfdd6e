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
  // Straight into the string, sized for the whole file and one byte more to see its end; a
  // file that grows meanwhile is read whole all the same.
  const long long length = file.GetLength();
  size_t done = 0;
  bytes.resize(length >= 0 && length < (1ll << 30) ? static_cast<size_t>(length) + 1 : 65536);
  for (;;) {
    if (done == bytes.size())
      bytes.resize(bytes.size() * 2);
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
