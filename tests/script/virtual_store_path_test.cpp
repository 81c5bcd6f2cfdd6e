// Where a virtualized client's copy of a file lies: the user's VirtualStore for a file in a
// protected folder, and no copy for any other file.
#include <gtest/gtest.h>

#include <string>

#include "script/VirtualStorePath.h"

namespace {

const std::wstring kLocal = L"C:\\Users\\Player\\AppData\\Local";

// The folders as an environment may name them: one with a trailing backslash, one unset, and
// a drive's root, which is never protected as a whole.
std::wstring CopyOf(const std::wstring& path) {
  return VirtualStoreCopyOf(
      path, {L"C:\\Program Files (x86)", L"C:\\Program Files\\", L"", L"D:\\", L"C:\\Windows"},
      kLocal);
}

TEST(VirtualStorePath, AFileInAProtectedFolderIsKeptUnderTheVirtualStoreWithoutItsDrive) {
  EXPECT_EQ(kLocal + L"\\VirtualStore\\Program Files (x86)\\Tessaril\\savedata\\OptionInfo.lua",
            CopyOf(L"C:\\Program Files (x86)\\Tessaril\\savedata\\OptionInfo.lua"));
  EXPECT_EQ(kLocal + L"\\VirtualStore\\PROGRAM FILES\\Tessaril\\savedata\\OptionInfo.lua",
            CopyOf(L"c:\\PROGRAM FILES\\Tessaril\\savedata\\OptionInfo.lua"));
  EXPECT_EQ(L"E:\\Local\\VirtualStore\\Windows\\Tessaril\\a.lua",
            VirtualStoreCopyOf(L"C:\\Windows\\Tessaril\\a.lua", {L"C:\\Windows"}, L"E:\\Local\\"));
}

TEST(VirtualStorePath, AFileElsewhereHasNoCopy) {
  for (const wchar_t* path : {
           L"C:\\Games\\Tessaril\\savedata\\OptionInfo.lua",
           L"C:\\Program Files Old\\Tessaril\\savedata\\OptionInfo.lua",  // a folder beside one
           L"D:\\Program Files\\Tessaril\\savedata\\OptionInfo.lua",      // the same name elsewhere
           L"\\\\server\\share\\Program Files\\Tessaril\\OptionInfo.lua",
           L"savedata\\OptionInfo.lua",
           L"C:\\Program Files",
       })
    EXPECT_EQ(L"", CopyOf(path)) << path;
  EXPECT_EQ(L"",
            VirtualStoreCopyOf(L"C:\\Program Files\\Tessaril\\a.lua", {L"C:\\Program Files"}, L""));
}

}  // namespace
