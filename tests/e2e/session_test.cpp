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

class E2eSession : public SessionFixture {};

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

TEST_F(E2eSession, FirstRunOnWindows8Lists32BitModesAndChooses1024x768) {
  Game().SetWindowsVersion(L"win8");
  SetupWindow* w = OpenSheet();
  ASSERT_NE(nullptr, w);
  CheckFirstRunModes(w, 32);
}

}  // namespace
}  // namespace e2e
