// A binary file handle over CreateFile: created closed, opened, closed on every path.
#pragma once

#include <windows.h>

class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeCreate = 0x1000,
  };

  CFile() : m_hFile(INVALID_HANDLE_VALUE) {}
  ~CFile() { Close(); }

  // On failure GetLastError tells why.
  bool Open(const char* path, UINT flags);
  bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
  // The file's size in bytes, or -1.
  long long GetLength() const;
  // Reads up to `count` bytes; *got is 0 at the end of the file.
  bool Read(void* data, UINT count, UINT* got);
  // True only when every byte was written.
  bool Write(const void* data, UINT count);
  // Hands what was written to the disk (FlushFileBuffers).
  bool Flush();
  void Close();

 private:
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  HANDLE m_hFile;
};
