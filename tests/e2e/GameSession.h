// One player session: a fresh game folder with the built exe and the demo data, the running
// TessarilSetup.exe in it, and bounded waits for its windows and its end.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class GameSession {
 public:
  // Makes "<root>\<name>" afresh (root: "<cwd>\e2e-work" unless given) and clears the
  // program's registry keys.
  explicit GameSession(const std::string& name, const std::wstring& root = std::wstring());
  // Ends the process if it still runs, clears the keys and Wine's version setting again.
  ~GameSession();

  // Wine's Windows version for the exe ("win7", "win8"); must precede Start.
  void SetWindowsVersion(const wchar_t* version);
  // Starts the exe in the game folder; again after the last run ended, for a second run.
  bool Start();

  // The sheet "Tessaril Setup" of this process once it is visible and has its first page.
  HWND WaitForSheet(DWORD timeoutMs = 30000);
  // A visible top-level box of this process with the given caption.
  HWND WaitForBox(const wchar_t* caption, DWORD timeoutMs = 15000);
  // True when the process ended in time (then *exitCode holds its code); else it is killed.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);
  bool Running() const;
  DWORD ProcessId() const { return m_pi.dwProcessId; }
  DWORD ThreadId() const { return m_pi.dwThreadId; }
  HANDLE Process() const { return m_pi.hProcess; }

  // Paths relative to the game folder, as the program uses them.
  std::wstring PathOf(const std::wstring& relative) const;
  bool FileExists(const std::wstring& relative) const;
  bool DirectoryExists(const std::wstring& relative) const;
  std::string ReadFileBytes(const std::wstring& relative) const;
  void WriteFileBytes(const std::wstring& relative, const std::string& bytes) const;
  // Every file and folder below the game folder with its size and write time, one a line.
  std::string Inventory() const;
  const std::wstring& Folder() const { return m_folder; }

 private:
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  void Kill();

  std::wstring m_folder;
  PROCESS_INFORMATION m_pi;
  bool m_versionSet;
};

}  // namespace e2e
