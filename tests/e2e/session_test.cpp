// Player sessions from start to saved files: first runs, every control changed, the
// confirmation declined, Reset, a second run and a save that cannot write its file.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "GameRegistry.h"
#include "GameTexts.h"
#include "PlayerInput.h"
#include "SessionData.h"
#include "SessionFixture.h"
#include "SheetProbe.h"
#include "Waiting.h"
#include "ui/resource.h"

namespace e2e {
namespace {

const wchar_t kOptionFile[] = L"savedata\\OptionInfo.lua";

// The text of a REG_SZ value up to its first NUL.
std::string TextPart(const RegValue& v) { return std::string(v.bytes.c_str()); }

struct Mode {
  int width, height, depth;
};

bool ParseMode(const std::wstring& item, Mode* m) {
  wchar_t rest = 0;
  return swscanf(item.c_str(), L"%d x %d x %d%lc", &m->width, &m->height, &m->depth, &rest) == 3;
}

int IndexOf(const std::vector<std::wstring>& items, const std::wstring& item) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == item)
      return static_cast<int>(i);
  }
  return -1;
}

// On 64-bit Windows the game client, a 32-bit program, reads the game key through the 32-bit
// view, as this driver does; a 64-bit program sees the same values under WOW6432Node and no
// key at the path itself.
void ExpectTheSameValuesIn64BitView() {
  if (!RunningOn64BitWindows())
    return;
  const char kWowGameKey[] = "Software\\WOW6432Node\\Helvane\\Tessaril";
  for (const char* name : kGameValues) {
    const RegValue client = ReadValue(kGameKey, name);
    const RegValue native = ReadValue(kWowGameKey, name, HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY);
    EXPECT_TRUE(client.found) << name;
    EXPECT_EQ(client.type, native.type) << name;
    EXPECT_EQ(client.bytes, native.bytes) << name;
  }
  EXPECT_FALSE(KeyExists(kGameKey, HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY));
}

// Sessions whose game folder carries the client defaults of SessionData.h.
class E2eSession : public SessionFixture {
 protected:
  void SetUp() override { UseTestClientDefaults(); }
  // OK, the confirmation answered, the end of the run.
  void SaveAndEnd(SetupWindow* w, bool yes = true) {
    ASSERT_TRUE(w->OkAndConfirm(yes)) << "no \"Setup\" confirmation";
    EXPECT_EQ(0u, WaitForEnd());
  }
  std::string OptionFile() { return Game().ReadFileBytes(kOptionFile); }
};

TEST_F(E2eSession, FirstRunThenCancelWritesOnlyTheRegistryDefaults) {
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  // Before the player does anything the defaults are already in the registry.
  EXPECT_EQ(8, ValueCount(kGameKey));
  EXPECT_EQ(0, ValueCount(kSetupKey));
  const std::vector<std::wstring> devices = ComboItems(w->SystemControl(IDC_DEVICE));
  const std::vector<std::wstring> modes = ComboItems(w->SystemControl(IDC_MODE));
  for (const std::wstring& d : devices) printf("device: %s\n", ToAnsi(d).c_str());
  for (const std::wstring& m : modes) printf("mode: %s\n", ToAnsi(m).c_str());
  ASSERT_FALSE(devices.empty());
  EXPECT_EQ(0, ComboSelection(w->SystemControl(IDC_DEVICE)));
  EXPECT_EQ(0, CheckOf(w->SystemControl(IDC_NO_SOUND)));

  w->ClickButton(IDCANCEL);
  EXPECT_EQ(0u, WaitForEnd());

  const RegValue name = ReadValue(kGameKey, "DEVICENAME");
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), name.type);
  EXPECT_EQ(40u, name.bytes.size());
  EXPECT_EQ(ToAnsi(devices[0]), TextPart(name));
  const RegValue device = ReadValue(kGameKey, "GUIDDEVICE");
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), device.type);
  EXPECT_EQ(16u, device.bytes.size());
  EXPECT_NE(std::string(16, '\0'), device.bytes);
  const RegValue driver = ReadValue(kGameKey, "GUIDDRIVER");
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), driver.type);
  // The primary display driver has no GUID of its own.
  EXPECT_EQ(std::string(16, '\0'), driver.bytes);
  EXPECT_EQ(1u, ReadDword(kGameKey, "SOUNDMODE"));
  EXPECT_EQ(0u, ReadDword(kGameKey, "SPEAKERTYPE"));
  EXPECT_EQ(0u, ReadDword(kGameKey, "DIGITALRATETYPE"));
  EXPECT_EQ(0u, ReadDword(kGameKey, "DIGITALBITSTYPE"));
  const RegValue provider = ReadValue(kGameKey, "PROVIDERNAME");
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), provider.type);
  EXPECT_EQ(std::string("No Provider\0\0\0\0\0", 16), provider.bytes);
  EXPECT_TRUE(KeyExists(kSetupKey));
  EXPECT_EQ(0, ValueCount(kSetupKey));
  ExpectTheSameValuesIn64BitView();
  // Cancel wrote no file and made no folder.
  EXPECT_FALSE(Game().DirectoryExists(L"savedata"));
  EXPECT_FALSE(Game().FileExists(kOptionFile));
}

// The resolution list of a first run under a Windows version: one depth, within the bounds,
// 1024 x 768 chosen.
void CheckFirstRunModes(SetupWindow* w, int depth) {
  HWND list = w->SystemControl(IDC_MODE);
  const std::vector<std::wstring> items = ComboItems(list);
  ASSERT_FALSE(items.empty());
  Mode last = {0, 0, 0};
  for (const std::wstring& item : items) {
    Mode m;
    ASSERT_TRUE(ParseMode(item, &m)) << ToAnsi(item);
    EXPECT_EQ(depth, m.depth) << ToAnsi(item);
    EXPECT_GE(m.height, 480) << ToAnsi(item);
    EXPECT_LE(m.height, 1440) << ToAnsi(item);
    EXPECT_LE(m.width, 2048) << ToAnsi(item);
    EXPECT_TRUE(m.width > last.width || (m.width == last.width && m.height > last.height))
        << "out of order: " << ToAnsi(item);
    last = m;
  }
  const std::wstring chosen = L"1024 x 768 x " + std::to_wstring(depth);
  ASSERT_NE(-1, IndexOf(items, chosen)) << "Wine's desktop offers 1024 x 768";
  EXPECT_EQ(IndexOf(items, chosen), ComboSelection(list));
}

TEST_F(E2eSession, FirstRunOnWindows7Lists16BitModesAndChooses1024x768) {
  Game().SetWindowsVersion(L"win7");
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  CheckFirstRunModes(w, 16);
}

TEST_F(E2eSession, FirstRunOnWindows8Lists32BitModesAndSavesTheChosenOne) {
  Game().SetWindowsVersion(L"win8");
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  CheckFirstRunModes(w, 32);
  HWND list = w->SystemControl(IDC_MODE);
  const int chosen = IndexOf(ComboItems(list), L"800 x 600 x 32");
  ASSERT_NE(-1, chosen);
  ASSERT_TRUE(w->Choose(list, chosen));
  SaveAndEnd(w);
  // The chosen entry's own size and depth are saved, with its position in the list.
  const std::string file = OptionFile();
  EXPECT_NE(std::string::npos, file.find("OptionInfoList[\"WIDTH\"] = 800\r\n"
                                         "OptionInfoList[\"HEIGHT\"] = 600\r\n"
                                         "OptionInfoList[\"BITPERPIXEL\"] = 32\r\n"
                                         "OptionInfoList[\"DEVICECNT\"] = 0\r\n"
                                         "OptionInfoList[\"MODECNT\"] = " +
                                         std::to_string(chosen) + "\r\n"))
      << file;
}

TEST_F(E2eSession, EscapeClosesTheSheetWithoutSaving) {
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_NO_SOUND)));
  SetForegroundWindow(w->Sheet());
  PressKey(VK_ESCAPE);
  EXPECT_EQ(0u, WaitForEnd());
  EXPECT_FALSE(Game().DirectoryExists(L"savedata"));
  EXPECT_EQ(1u, ReadDword(kGameKey, "SOUNDMODE"));
}

TEST_F(E2eSession, FirstRunSavedWithoutChangesWritesTheDefaults) {
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  SaveAndEnd(w);
  EXPECT_TRUE(Game().DirectoryExists(L"savedata"));
  EXPECT_EQ(kDefaultFile, OptionFile());
}

TEST_F(E2eSession, EveryControlChangedIsSavedExactly) {
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  const RegValue firstDevice = ReadValue(kGameKey, "GUIDDEVICE");

  HWND device = w->SystemControl(IDC_DEVICE);
  const std::vector<std::wstring> devices = ComboItems(device);
  ASSERT_GE(devices.size(), 2u);
  ASSERT_TRUE(w->Choose(device, 1));
  HWND mode = w->SystemControl(IDC_MODE);
  ASSERT_EQ(L"800 x 600 x " + std::to_wstring(ListedModeDepth()), ComboItems(mode).at(2));
  ASSERT_TRUE(w->Choose(mode, 2));
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_FULLSCREEN)));
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_MOUSE_EXCLUSIVE)));
  HWND sprite = w->SystemControl(IDC_SPRITE), texture = w->SystemControl(IDC_TEXTURE);
  w->DragSlider(sprite, -0.3);
  ASSERT_EQ(0, SliderPos(sprite));
  w->DragSlider(texture, 0.5);
  ASSERT_EQ(1, SliderPos(texture));
  // Each volume by mouse to an end, then by keyboard away from it.
  HWND bgm = w->SystemControl(IDC_BGM_VOLUME), effect = w->SystemControl(IDC_EFFECT_VOLUME);
  w->DragSlider(bgm, 1.3);
  ASSERT_EQ(127, SliderPos(bgm));
  w->SliderKeys(bgm, VK_LEFT, 2);
  ASSERT_EQ(125, SliderPos(bgm));
  w->DragSlider(effect, -0.3);
  ASSERT_EQ(0, SliderPos(effect));
  w->SliderKeys(effect, VK_RIGHT, 3);
  ASSERT_EQ(3, SliderPos(effect));
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_BGM_ON)));
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_EFFECT_ON)));
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_NO_SOUND)));
  // "No Sound" leaves the volumes and their boxes as they are.
  EXPECT_EQ(125, SliderPos(bgm));
  EXPECT_EQ(0, CheckOf(w->SystemControl(IDC_BGM_ON)));

  ASSERT_NE(nullptr, w->OpenTab(1));
  for (int id : {IDC_CMD_NOTRADE, IDC_CMD_NOCTRL, IDC_CMD_FOG, IDC_CMD_WINDOW, IDC_CMD_CAMERA,
                 IDC_CMD_MERAI, IDC_CMD_LIGHTMAP})
    ASSERT_TRUE(w->Toggle(w->OptionControl(id))) << "box " << id;
  SaveAndEnd(w);

  EXPECT_TRUE(Game().DirectoryExists(L"savedata"));
  EXPECT_EQ(WithDepth(kEveryControlFile, ListedModeDepth()), OptionFile());
  EXPECT_EQ(ToAnsi(devices[1]), TextPart(ReadValue(kGameKey, "DEVICENAME")));
  EXPECT_EQ(40u, ReadValue(kGameKey, "DEVICENAME").bytes.size());
  const RegValue chosenDevice = ReadValue(kGameKey, "GUIDDEVICE");
  EXPECT_EQ(16u, chosenDevice.bytes.size());
  EXPECT_NE(firstDevice.bytes, chosenDevice.bytes);
  EXPECT_EQ(0u, ReadDword(kGameKey, "SOUNDMODE"));
  EXPECT_EQ(0u, ReadDword(kGameKey, "SPEAKERTYPE"));
  EXPECT_EQ(0u, ReadDword(kGameKey, "DIGITALRATETYPE"));
  EXPECT_EQ(0u, ReadDword(kGameKey, "DIGITALBITSTYPE"));
  EXPECT_EQ(std::string("No Provider\0\0\0\0\0", 16), ReadValue(kGameKey, "PROVIDERNAME").bytes);
  ExpectTheSameValuesIn64BitView();
}

TEST_F(E2eSession, DecliningTheConfirmationSavesNothing) {
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_NO_SOUND)));
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_FULLSCREEN)));
  ASSERT_NE(nullptr, w->OpenTab(1));
  ASSERT_TRUE(w->Toggle(w->OptionControl(IDC_CMD_NOTRADE)));
  SaveAndEnd(w, false);
  EXPECT_FALSE(Game().DirectoryExists(L"savedata"));
  EXPECT_FALSE(Game().FileExists(kOptionFile));
  // Only the first run's defaults, written at start-up, are there.
  EXPECT_EQ(1u, ReadDword(kGameKey, "SOUNDMODE"));
}

TEST_F(E2eSession, ResetThenCancelLeavesRegistryAndFileAsTheyWere) {
  // Not a first run: a game key holding only "SOUNDMODE" 0, and an earlier file.
  WriteDword(kGameKey, "SOUNDMODE", 0);
  const std::string earlier = "CmdOnOffList[\"/fog\"] = 0\r\nMyAddon = 1\r\n";
  Game().WriteFileBytes(kOptionFile, earlier);
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  HWND noSound = w->SystemControl(IDC_NO_SOUND);
  EXPECT_EQ(1, CheckOf(noSound)) << "\"SOUNDMODE\" 0 must show as \"No Sound\"";
  w->ClickButton(IDC_RESET);
  EXPECT_TRUE(WaitUntil(3000, [&] { return CheckOf(noSound) == 0; }));
  w->ClickButton(IDCANCEL);
  EXPECT_EQ(0u, WaitForEnd());
  EXPECT_EQ(1, ValueCount(kGameKey)) << "a game key that exists is not filled at start-up";
  EXPECT_EQ(0u, ReadDword(kGameKey, "SOUNDMODE"));
  EXPECT_EQ(earlier, OptionFile());
}

TEST_F(E2eSession, ResetThenOkSavesTheDefaults) {
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  const std::wstring firstDevice = ComboItems(w->SystemControl(IDC_DEVICE)).at(0);
  ASSERT_TRUE(w->Choose(w->SystemControl(IDC_DEVICE), 1));
  ASSERT_TRUE(w->Choose(w->SystemControl(IDC_MODE), 1));
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_NO_SOUND)));
  w->DragSlider(w->SystemControl(IDC_BGM_VOLUME), 1.3);
  ASSERT_NE(nullptr, w->OpenTab(1));
  ASSERT_TRUE(w->Toggle(w->OptionControl(IDC_CMD_HOAI)));
  w->ClickButton(IDC_RESET);
  EXPECT_TRUE(WaitUntil(3000, [&] { return CheckOf(w->OptionControl(IDC_CMD_HOAI)) == 1; }));
  SaveAndEnd(w);
  EXPECT_EQ(kDefaultFile, OptionFile());
  EXPECT_EQ(1u, ReadDword(kGameKey, "SOUNDMODE"));
  EXPECT_EQ(ToAnsi(firstDevice), TextPart(ReadValue(kGameKey, "DEVICENAME")));
}

TEST_F(E2eSession, ResetBeforeTheOptionTabWasOpenedShowsItsDefaultsThere) {
  Game().WriteFileBytes(kOptionFile,
                        "OptionInfoList[\"ISFULLSCREENMODE\"] = 1\r\n"
                        "CmdOnOffList[\"/notrade\"] = 1\r\n"
                        "CmdOnOffList[\"/noctrl\"] = 0\r\n"
                        "CmdOnOffList[\"/lightmap\"] = 0\r\n");
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  HWND fullScreen = w->SystemControl(IDC_FULLSCREEN);
  ASSERT_EQ(1, CheckOf(fullScreen)) << "the saved file was not loaded";
  w->ClickButton(IDC_RESET);
  EXPECT_TRUE(WaitUntil(3000, [&] { return CheckOf(fullScreen) == 0; }));
  HWND page = w->OpenTab(1);
  ASSERT_NE(nullptr, page);
  EXPECT_EQ(DefaultSwitches(), StatesOf(page));
}

TEST_F(E2eSession, SecondRunShowsWhatTheFirstSavedAndSavesTheSameBytesAgain) {
  // An earlier file: foreign lines among an older block, one with a bare line feed, the last
  // without any line end.
  Game().WriteFileBytes(kOptionFile,
                        "-- my own notes\r\n"
                        "OptionInfoList[\"WIDTH\"] = 800\r\n"
                        "MyAddon = { speed = 3 }\r\n"
                        "\r\n"
                        "OptionInfoList[\"HEIGHT\"] = 600\r\n"
                        "OptionInfoList[\"MODECNT\"] = 2\r\n"
                        "CmdOnOffList[\"/fog\"] = 0\r\n"
                        "print_me = \"width\"\n"
                        "last = 1");
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  EXPECT_EQ(2, ComboSelection(w->SystemControl(IDC_MODE)));
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_FULLSCREEN)));
  ASSERT_NE(nullptr, w->OpenTab(1));
  EXPECT_EQ(0, CheckOf(w->OptionControl(IDC_CMD_FOG)));
  ASSERT_TRUE(w->Toggle(w->OptionControl(IDC_CMD_NOTRADE)));
  SaveAndEnd(w);
  const std::string first = OptionFile();
  EXPECT_EQ(kSecondRunFile, first);

  w = OpenSheet();
  ASSERT_NE(nullptr, w);
  EXPECT_EQ(1, CheckOf(w->SystemControl(IDC_FULLSCREEN)));
  EXPECT_EQ(2, ComboSelection(w->SystemControl(IDC_MODE)));
  ASSERT_NE(nullptr, w->OpenTab(1));
  EXPECT_EQ(1, CheckOf(w->OptionControl(IDC_CMD_NOTRADE)));
  EXPECT_EQ(0, CheckOf(w->OptionControl(IDC_CMD_FOG)));
  SaveAndEnd(w);
  EXPECT_EQ(first, OptionFile());
}

TEST_F(E2eSession, SavedataBeingAFileIsReportedAndTheRegistryStillSaved) {
  Game().WriteFileBytes(L"savedata", "not a folder");
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  ASSERT_TRUE(w->Toggle(w->SystemControl(IDC_NO_SOUND)));
  ASSERT_TRUE(w->OkAndConfirm(true));
  HWND box = Game().WaitForBox(L"Setup");
  ASSERT_NE(nullptr, box) << "the failed save was not reported";
  const std::wstring text = BoxText(box);
  EXPECT_NE(std::wstring::npos, text.find(L"savedata\\OptionInfo.lua")) << ToAnsi(text);
  EXPECT_EQ(std::wstring::npos, text.find(L"HKEY_LOCAL_MACHINE")) << ToAnsi(text);
  ClickWindow(ChildById(box, IDOK));
  EXPECT_EQ(0u, WaitForEnd());
  EXPECT_EQ("not a folder", Game().ReadFileBytes(L"savedata"));
  EXPECT_EQ(0u, ReadDword(kGameKey, "SOUNDMODE"));
}

}  // namespace
}  // namespace e2e
