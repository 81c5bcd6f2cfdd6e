// CFile: the open flags mapped onto CreateFileA.
#include "framework/CFile.h"

bool CFile::Open(const char* path, UINT flags) {
  Close();
  DWORD access = GENERIC_READ;
  if (flags & modeWrite)
    access = GENERIC_WRITE;
  else if (flags & modeReadWrite)
    access = GENERIC_READ | GENERIC_WRITE;
  DWORD disposition = OPEN_EXISTING;
  if (flags & modeCreate)
    disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  m_hFile = CreateFileA(path, access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
  return IsOpen();
}

bool CFile::SeekToEnd() {
  LARGE_INTEGER zero = {};
  return IsOpen() && SetFilePointerEx(m_hFile, zero, nullptr, FILE_END);
}

bool CFile::Write(const void* data, UINT count) {
  DWORD written = 0;
  return IsOpen() && WriteFile(m_hFile, data, count, &written, nullptr) && written == count;
}

void CFile::Close() {
  if (IsOpen()) {
    CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
  }
}
