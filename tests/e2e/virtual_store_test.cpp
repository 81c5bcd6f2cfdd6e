// A game installed under "Program Files" whose client, an old program without a manifest, had
// its registry writes and its saved option file virtualized: the player's choices must reach
// the client's own copies.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "GameRegistry.h"
#include "SessionFixture.h"
#include "SheetProbe.h"
#include "ui/resource.h"

namespace e2e {
namespace {

std::wstring ProgramFilesFolder() {
  // A 32-bit program is told the 32-bit one ("Program Files (x86)" on 64-bit Windows).
  wchar_t folder[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"ProgramFiles", folder, MAX_PATH);
  return folder;
}

// Where Windows keeps a virtualized client's copy of a file in the game folder: the file's path
// without its drive, below the user's VirtualStore.
std::filesystem::path VirtualizedCopyOf(const std::wstring& path) {
  wchar_t local[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
  return std::wstring(local) + L"\\VirtualStore" + path.substr(2);
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ostringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

class E2eVirtualStore : public SessionFixture {};

TEST_F(E2eVirtualStore, TheClientsCopyOfTheGameKeyIsShownAndSavedWithTheRealKey) {
  const std::wstring programFiles = ProgramFilesFolder();
  ASSERT_NE(std::wstring::npos, programFiles.find(L"Program Files"));
  PlaceGameIn(programFiles);
  Game();
  // The real key as an earlier run of the program left it; the client has since switched the
  // sound off, which Windows kept in the client's copy.
  WriteDword(kGameKey, "SOUNDMODE", 1);
  const std::string copy = VirtualizedGameKey();
  WriteDword(copy.c_str(), "SOUNDMODE", 0, HKEY_CURRENT_USER, kVirtualizedView);

  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  HWND noSound = w->SystemControl(IDC_NO_SOUND);
  EXPECT_EQ(1, CheckOf(noSound)) << "the client's own value is not shown";
  ASSERT_TRUE(w->Toggle(noSound));
  ASSERT_TRUE(w->OkAndConfirm(true));
  EXPECT_EQ(0u, WaitForEnd());

  EXPECT_EQ(1u,
            ReadDword(copy.c_str(), "SOUNDMODE", 0xFFFFFFFFu, HKEY_CURRENT_USER, kVirtualizedView));
  for (const char* name : kGameValues) {
    const RegValue real = ReadValue(kGameKey, name);
    const RegValue client = ReadValue(copy.c_str(), name, HKEY_CURRENT_USER, kVirtualizedView);
    EXPECT_TRUE(real.found) << name;
    EXPECT_EQ(real.type, client.type) << name;
    EXPECT_EQ(real.bytes, client.bytes) << name;
  }
}

TEST_F(E2eVirtualStore, TheClientsCopyOfTheSavedFileIsShownAndSavedWithTheRealFile) {
  PlaceGameIn(ProgramFilesFolder());
  UseTestClientDefaults();
  // An earlier run of the program left the real file; the client has since written its copy,
  // from a fresh one, with a line of its own and the fog switched off.
  Game().WriteFileBytes(L"savedata\\OptionInfo.lua",
                        "-- left by an earlier Setup\r\nCmdOnOffList[\"/fog\"] = 1\r\n");
  const std::filesystem::path copy = VirtualizedCopyOf(Game().PathOf(L"savedata\\OptionInfo.lua"));
  std::filesystem::remove_all(VirtualizedCopyOf(Game().Folder()));
  WriteBytes(copy, "-- the client's own line\r\nCmdOnOffList[\"/fog\"] = 0\r\n");

  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  ASSERT_NE(nullptr, w->OpenTab(1));
  EXPECT_EQ(0, CheckOf(w->OptionControl(IDC_CMD_FOG))) << "the client's own value is not shown";
  ASSERT_TRUE(w->Toggle(w->OptionControl(IDC_CMD_NOTRADE)));
  ASSERT_TRUE(w->OkAndConfirm(true));
  EXPECT_EQ(0u, WaitForEnd());

  const std::string saved = ReadBytes(copy);
  EXPECT_EQ(saved, Game().ReadFileBytes(L"savedata\\OptionInfo.lua"));
  EXPECT_EQ(0u, saved.find("-- the client's own line\r\nOptionInfoList[\"Bgm_Volume\"] = 90\r\n"))
      << saved;
  EXPECT_NE(std::string::npos, saved.find("CmdOnOffList[\"/notrade\"] = 1\r\n"));
  EXPECT_NE(std::string::npos, saved.find("CmdOnOffList[\"/fog\"] = 0\r\n"));
}

}  // namespace
}  // namespace e2e
