// The client's message texts of a game folder, as the player will read them on screen.
#pragma once

#include <string>

namespace e2e {

// The text stored under `key` in "System\LuaFiles514\MsgString.lua" of `folder`, decoded from
// the system code page; empty when the file or key is missing.
std::wstring MessageText(const std::wstring& folder, const std::string& key);

// 8-bit text in the system code page to UTF-16, and back.
std::wstring FromAnsi(const std::string& text);
std::string ToAnsi(const std::wstring& text);

}  // namespace e2e
