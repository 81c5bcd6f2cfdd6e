// A small reader for the string assignments of the demo message file.
#include "GameTexts.h"

#include <windows.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace e2e {

namespace {

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Reads a Lua short string starting at its quote; false when it is not one.
bool ReadQuoted(const std::string& s, size_t pos, std::string* out) {
  if (pos >= s.size() || (s[pos] != '"' && s[pos] != '\''))
    return false;
  const char quote = s[pos];
  std::string text;
  for (size_t i = pos + 1; i < s.size(); ++i) {
    char c = s[i];
    if (c == quote) {
      *out = text;
      return true;
    }
    if (c == '\\' && i + 1 < s.size()) {
      c = s[++i];
      if (c == 'n')
        c = '\n';
      else if (c == 't')
        c = '\t';
      else if (c == 'r')
        c = '\r';
    }
    text += c;
  }
  return false;
}

size_t SkipSpaces(const std::string& s, size_t i) {
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  return i;
}

}  // namespace

std::wstring MessageText(const std::wstring& folder, const std::string& key) {
  std::ifstream in(std::filesystem::path(folder + L"\\System\\LuaFiles514\\MsgString.lua"),
                   std::ios::binary);
  std::ostringstream buf;
  buf << in.rdbuf();
  const std::string s = buf.str();
  // Accepts `key = "..."` inside a table constructor and `["key"] = "..."` in either place.
  for (size_t at = s.find(key); at != std::string::npos; at = s.find(key, at + 1)) {
    size_t end = at + key.size();
    const bool bracketed =
        at >= 2 && s.compare(at - 2, 2, "[\"") == 0 && s.compare(end, 2, "\"]") == 0;
    if (bracketed) {
      end += 2;
    } else if ((at > 0 && (IsNameChar(s[at - 1]) || s[at - 1] == '"')) ||
               (end < s.size() && IsNameChar(s[end]))) {
      continue;
    }
    size_t i = SkipSpaces(s, end);
    if (i >= s.size() || s[i] != '=')
      continue;
    std::string text;
    if (ReadQuoted(s, SkipSpaces(s, i + 1), &text))
      return FromAnsi(text);
  }
  return std::wstring();
}

std::wstring FromAnsi(const std::string& text) {
  if (text.empty())
    return std::wstring();
  const int n =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

std::string ToAnsi(const std::wstring& text) {
  if (text.empty())
    return std::string();
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string narrow(n, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &narrow[0], n, nullptr,
                      nullptr);
  return narrow;
}

}  // namespace e2e
