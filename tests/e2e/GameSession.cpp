// The game folder, the process of the real program and the waits for its windows.
#include "GameSession.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "GameRegistry.h"
#include "SheetProbe.h"
#include "Waiting.h"

namespace fs = std::filesystem;

namespace e2e {

namespace {

// Copies a folder tree with the platform's own calls; false when anything failed.
bool CopyTree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW fd;
  HANDLE find = FindFirstFileW((from + L"\\*").c_str(), &fd);
  if (find == INVALID_HANDLE_VALUE)
    return false;
  bool ok = true;
  do {
    const std::wstring name = fd.cFileName;
    if (name == L"." || name == L"..")
      continue;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ok = CopyTree(from + L"\\" + name, to + L"\\" + name) && ok;
    else
      ok = CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE) && ok;
  } while (FindNextFileW(find, &fd));
  FindClose(find);
  return ok;
}

}  // namespace

GameSession::GameSession(const std::string& name, const std::wstring& root)
    : m_pi(), m_versionSet(false) {
  wchar_t cwd[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, cwd);
  m_folder = (root.empty() ? std::wstring(cwd) + L"\\e2e-work" : root) + L"\\" +
             std::wstring(name.begin(), name.end());
  std::error_code ec;
  fs::remove_all(m_folder, ec);
  fs::create_directories(m_folder, ec);
  EXPECT_TRUE(CopyTree(TESSARIL_E2E_GAME, m_folder)) << "the demo game folder was not copied";
  EXPECT_TRUE(CopyFileW(TESSARIL_E2E_EXE, (m_folder + L"\\TessarilSetup.exe").c_str(), FALSE))
      << "the exe was not copied";
  DeleteGameKeys();
  SetWineVersion(nullptr);
}

GameSession::~GameSession() {
  Kill();
  DeleteGameKeys();
  if (m_versionSet)
    SetWineVersion(nullptr);
}

void GameSession::SetWindowsVersion(const wchar_t* version) {
  SetWineVersion(version);
  m_versionSet = true;
}

bool GameSession::Start() {
  Kill();  // a second run in the same folder: let go of the first process
  std::wstring exe = m_folder + L"\\TessarilSetup.exe";
  std::vector<wchar_t> cmd(exe.begin(), exe.end());
  cmd.push_back(L'\0');
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  return CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        m_folder.c_str(), &si, &m_pi) != FALSE;
}

HWND GameSession::WaitForSheet(DWORD timeoutMs) {
  HWND sheet = nullptr;
  WaitUntil(timeoutMs, [&] {
    if (!Running())
      return true;
    HWND w = nullptr;
    while ((w = FindWindowExW(nullptr, w, L"#32770", L"Tessaril Setup")) != nullptr) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      // The first page exists once the sheet has run its initialisation.
      if (pid == m_pi.dwProcessId && IsWindowVisible(w) &&
          SendMessageW(w, PSM_GETCURRENTPAGEHWND, 0, 0)) {
        sheet = w;
        return true;
      }
    }
    return false;
  });
  if (sheet)
    SleepPumping(300);  // let the first paint finish
  return sheet;
}

HWND GameSession::WaitForBox(const wchar_t* caption, DWORD timeoutMs) {
  HWND box = nullptr;
  WaitUntil(timeoutMs, [&] {
    box = VisibleWindowOf(m_pi.dwProcessId, L"#32770", caption);
    return box != nullptr || !Running();
  });
  if (box)
    SleepPumping(200);
  return box;
}

bool GameSession::WaitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (!m_pi.hProcess)
    return false;
  const bool ended = WaitUntil(timeoutMs, [&] { return !Running(); });
  if (!ended) {
    Kill();
    return false;
  }
  GetExitCodeProcess(m_pi.hProcess, exitCode);
  return true;
}

bool GameSession::Running() const {
  return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

void GameSession::Kill() {
  if (!m_pi.hProcess)
    return;
  if (Running()) {
    TerminateProcess(m_pi.hProcess, 0xDEAD);
    WaitForSingleObject(m_pi.hProcess, 5000);
  }
  CloseHandle(m_pi.hThread);
  CloseHandle(m_pi.hProcess);
  m_pi = PROCESS_INFORMATION();
}

std::wstring GameSession::PathOf(const std::wstring& relative) const {
  return m_folder + L"\\" + relative;
}

bool GameSession::FileExists(const std::wstring& relative) const {
  const DWORD a = GetFileAttributesW(PathOf(relative).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool GameSession::DirectoryExists(const std::wstring& relative) const {
  const DWORD a = GetFileAttributesW(PathOf(relative).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string GameSession::ReadFileBytes(const std::wstring& relative) const {
  std::ifstream in(fs::path(PathOf(relative)), std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void GameSession::WriteFileBytes(const std::wstring& relative, const std::string& bytes) const {
  const fs::path path(PathOf(relative));
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string GameSession::Inventory() const {
  std::vector<std::string> lines;
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(m_folder, ec)) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(entry.path().c_str(), GetFileExInfoStandard, &data);
    std::ostringstream line;
    line << entry.path().lexically_relative(m_folder).string() << " size "
         << (static_cast<unsigned long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow)
         << " written " << data.ftLastWriteTime.dwHighDateTime << ":"
         << data.ftLastWriteTime.dwLowDateTime;
    lines.push_back(line.str());
  }
  std::sort(lines.begin(), lines.end());
  std::string all;
  for (const std::string& l : lines) all += l + "\n";
  return all;
}

}  // namespace e2e
