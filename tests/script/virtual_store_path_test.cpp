// Where a virtualized client's copy of a file lies: the user's VirtualStore for a file in a
// protected folder, and no copy for any other file.
#include <gtest/gtest.h>

#include <string>

#include "script/VirtualStorePath.h"

namespace {

TEST(VirtualStorePath, OnlyAFileInAProtectedFolderHasACopyThere) {
  const std::wstring local = L"C:\\Users\\Player\\AppData\\Local";
  // As an environment may name them: a trailing backslash, an unset one, a drive's root.
  const auto copyOf = [&](const wchar_t* path) {
    return VirtualStoreCopyOf(
        path, {L"C:\\Program Files (x86)", L"C:\\Program Files\\", L"", L"D:\\"}, local);
  };
  EXPECT_EQ(local + L"\\VirtualStore\\Program Files (x86)\\Tessaril\\savedata\\OptionInfo.lua",
            copyOf(L"C:\\Program Files (x86)\\Tessaril\\savedata\\OptionInfo.lua"));
  EXPECT_EQ(local + L"\\VirtualStore\\PROGRAM FILES\\Tessaril\\a.lua",
            copyOf(L"c:\\PROGRAM FILES\\Tessaril\\a.lua"));
  for (const wchar_t* path : {L"C:\\Games\\Tessaril\\a.lua",
                              L"C:\\Program Files Old\\Tessaril\\a.lua",  // a folder beside one
                              L"D:\\Program Files\\Tessaril\\a.lua",      // the name elsewhere
                              L"\\\\server\\share\\Program Files\\Tessaril\\a.lua",
                              L"savedata\\OptionInfo.lua", L"C:\\Program Files"})
    EXPECT_EQ(L"", copyOf(path)) << path;
  EXPECT_EQ(L"", VirtualStoreCopyOf(L"C:\\Program Files\\T\\a.lua", {L"C:\\Program Files"}, L""));
}

}  // namespace
