// CFile: the open flags mapped onto CreateFileA.
#include "framework/CFile.h"

bool CFile::Open(const char* path, UINT flags) {
  Close();
  const bool write = (flags & modeWrite) != 0;
  // A reader lets others go on writing, as the C runtime's fopen does; a writer lets them read.
  const DWORD access = write ? GENERIC_WRITE : GENERIC_READ;
  const DWORD share = write ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
  const DWORD disposition = (flags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
  m_hFile = CreateFileA(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return IsOpen();
}

long long CFile::GetLength() const {
  LARGE_INTEGER size = {};
  return IsOpen() && GetFileSizeEx(m_hFile, &size) ? size.QuadPart : -1;
}

bool CFile::Read(void* data, UINT count, UINT* got) {
  DWORD read = 0;
  const bool ok = IsOpen() && ReadFile(m_hFile, data, count, &read, nullptr);
  *got = ok ? read : 0;
  return ok;
}

bool CFile::Write(const void* data, UINT count) {
  DWORD written = 0;
  return IsOpen() && WriteFile(m_hFile, data, count, &written, nullptr) && written == count;
}

bool CFile::Flush() { return IsOpen() && FlushFileBuffers(m_hFile); }

void CFile::Close() {
  if (IsOpen()) {
    CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
  }
}
