// What Explorer shows of the built executable: its version resource and its icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t kExe[] = L"" TESSARIL_EXE;

// One string of the version resource's first (and only) language block.
std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
  struct Translation {
    WORD language, codePage;
  }* translation = nullptr;
  UINT size = 0;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &size) ||
      size < sizeof(Translation))
    return L"(no translation)";
  wchar_t path[128];
  swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
           translation->codePage, name);
  wchar_t* value = nullptr;
  if (!VerQueryValueW(info.data(), path, reinterpret_cast<void**>(&value), &size))
    return L"(missing)";
  return std::wstring(value);
}

TEST(ProgramIdentity, VersionResourceNamesTheProgramItsMakerAndOneVersion) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(kExe, &handle);
  ASSERT_NE(0u, size) << "no version resource";
  std::vector<BYTE> info(size);
  ASSERT_TRUE(GetFileVersionInfoW(kExe, 0, size, info.data()));

  EXPECT_EQ(L"Tessaril Setup", VersionString(info, L"FileDescription"));
  EXPECT_EQ(L"Helvane", VersionString(info, L"CompanyName"));
  EXPECT_EQ(L"Tessaril", VersionString(info, L"ProductName"));
  EXPECT_EQ(L"TessarilSetup.exe", VersionString(info, L"OriginalFilename"));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize));
  EXPECT_EQ(VS_FFI_SIGNATURE, fixed->dwSignature);
  EXPECT_EQ(static_cast<DWORD>(VFT_APP), fixed->dwFileType);
  // The texts and the numbers that Explorer shows side by side say the same version.
  EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
  EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
  EXPECT_EQ(0u, LOWORD(fixed->dwFileVersionLS));
  const std::wstring text = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                            std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                            std::to_wstring(HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(text, VersionString(info, L"FileVersion"));
  EXPECT_EQ(text, VersionString(info, L"ProductVersion"));
}

#pragma pack(push, 2)
struct GroupEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

TEST(ProgramIdentity, IconComesInTheSizesExplorerAsksForWithClearCorners) {
  EXPECT_EQ(1u, ExtractIconExW(kExe, -1, nullptr, nullptr, 0)) << "icons in the file";
  HMODULE exe = LoadLibraryExW(kExe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(nullptr, exe);
  HRSRC group = FindResourceA(exe, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
  ASSERT_NE(nullptr, group);
  const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(exe, group)));
  const WORD count = reinterpret_cast<const WORD*>(dir)[2];
  const GroupEntry* entries = reinterpret_cast<const GroupEntry*>(dir + 6);
  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const GroupEntry& e = entries[i];
    const int size = e.width ? e.width : 256;
    sizes.push_back(size);
    EXPECT_EQ(32, e.bitCount) << size;
    HRSRC image = FindResourceA(exe, MAKEINTRESOURCEA(e.id), RT_ICON);
    ASSERT_NE(nullptr, image) << size;
    const BYTE* bytes = static_cast<const BYTE*>(LockResource(LoadResource(exe, image)));
    ASSERT_EQ(e.bytes, SizeofResource(exe, image)) << size;
    if (size == 256) {
      EXPECT_EQ(0, memcmp(bytes, "\x89PNG", 4)) << "the large image is kept as PNG";
      continue;
    }
    // A bottom-up 32-bit DIB: a corner lets the desktop through, the middle does not.
    const BYTE* pixels = bytes + reinterpret_cast<const BITMAPINFOHEADER*>(bytes)->biSize;
    const auto alpha = [&](int x, int y) { return pixels[((size - 1 - y) * size + x) * 4 + 3]; };
    EXPECT_EQ(0, alpha(0, 0)) << size;
    EXPECT_EQ(255, alpha(size / 2, size / 2)) << size;
    HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(bytes), e.bytes, TRUE, 0x00030000, size,
                                          size, 0);
    EXPECT_NE(nullptr, icon) << size;
    DestroyIcon(icon);
  }
  EXPECT_EQ((std::vector<int>{16, 24, 32, 48, 256}), sizes);
  FreeLibrary(exe);
}

}  // namespace
