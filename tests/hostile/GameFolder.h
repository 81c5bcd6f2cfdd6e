// A throw-away game folder under the tests' working directory, current for one test.
#pragma once

#include <string>

class GameFolder {
 public:
  // Makes "<cwd>\hostile-<name>-<pid>" with the client's data folder and "savedata", and
  // enters it; the destructor leaves it and removes it with everything inside.
  explicit GameFolder(const char* name);
  ~GameFolder();

  const std::string& Path() const { return m_path; }

  // Raw bytes, relative to the game folder; the paths use backslashes.
  static void Write(const std::string& path, const std::string& bytes);
  static std::string Read(const std::string& path);
  static bool IsFile(const std::string& path);
  static bool IsFolder(const std::string& path);
  // Removes a file or a whole folder tree; nothing when it is missing.
  static void Remove(const std::string& path);
  static void MakeFolder(const std::string& path);

 private:
  GameFolder(const GameFolder&) = delete;
  GameFolder& operator=(const GameFolder&) = delete;

  std::string m_previous;
  std::string m_path;
};
