// GameFolder: a private copy of the paths the program reads and writes.
#include "GameFolder.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

GameFolder::GameFolder(const char* name) {
  char cwd[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, cwd);
  m_previous = cwd;
  m_path = m_previous + "\\hostile-" + name + "-" + std::to_string(GetCurrentProcessId());
  Remove(m_path);
  MakeFolder(m_path);
  if (!SetCurrentDirectoryA(m_path.c_str()))
    throw std::runtime_error("cannot enter " + m_path);
  MakeFolder("System");
  MakeFolder("System\\LuaFiles514");
  MakeFolder("savedata");
}

GameFolder::~GameFolder() {
  SetCurrentDirectoryA(m_previous.c_str());
  Remove(m_path);
}

void GameFolder::Write(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw std::runtime_error("cannot write " + path);
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    const DWORD part = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    if (!WriteFile(file, bytes.data() + done, part, &written, nullptr) || written == 0)
      break;
    done += written;
  }
  CloseHandle(file);
  if (done != bytes.size())
    throw std::runtime_error("short write to " + path);
}

std::string GameFolder::Read(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    throw std::runtime_error("cannot read " + path);
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool GameFolder::IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool GameFolder::IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void GameFolder::Remove(const std::string& path) {
  if (IsFile(path)) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    return;
  }
  if (!IsFolder(path))
    return;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string entry = found.cFileName;
      if (entry != "." && entry != "..")
        Remove(path + "\\" + entry);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

void GameFolder::MakeFolder(const std::string& path) {
  if (!CreateDirectoryA(path.c_str(), nullptr) && !IsFolder(path))
    throw std::runtime_error("cannot make " + path);
}
