// A binary file handle over CreateFile: created closed, opened, closed on every path.
#pragma once

#include <windows.h>

class CFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
  };

  CFile() : m_hFile(INVALID_HANDLE_VALUE) {}
  ~CFile() { Close(); }

  bool Open(const char* path, UINT flags);
  bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
  bool SeekToEnd();
  // True only when every byte was written.
  bool Write(const void* data, UINT count);
  void Close();

 private:
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  HANDLE m_hFile;
};
