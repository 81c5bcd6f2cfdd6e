// DataFileText: text mode's view of a file, and the chunk that luaL_loadfile makes of it.
#include "script/DataFileText.h"

#include <string.h>

namespace {

const char kCtrlZ = '\x1a';
const char kChunkSignature = '\x1b';

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == kCtrlZ; }

// Where the text after a '#' first line begins (0 without one).
size_t AfterHashLine(const std::string& text) {
  if (text.empty() || text[0] != '#')
    return 0;
  const size_t lf = text.find('\n');
  return lf == std::string::npos ? text.size() : lf + 1;
}

}  // namespace

std::string TextModeView(const std::string& bytes, bool* hidden) {
  const size_t ctrlZ = bytes.find(kCtrlZ);
  const size_t end = ctrlZ == std::string::npos ? bytes.size() : ctrlZ;
  if (hidden) {
    *hidden = false;
    for (size_t i = end; i < bytes.size() && !*hidden; ++i) *hidden = !IsBlank(bytes[i]);
  }
  std::string text;
  text.reserve(end);
  const char* p = bytes.data();
  const char* stop = p + end;
  while (p < stop) {
    const char* cr = static_cast<const char*>(memchr(p, '\r', stop - p));
    if (!cr) {
      text.append(p, stop);
      break;
    }
    text.append(p, cr);
    // CR LF reads as LF; a lone CR stays.
    const bool pair = cr + 1 < stop && cr[1] == '\n';
    text += pair ? '\n' : '\r';
    p = cr + (pair ? 2 : 1);
  }
  return text;
}

bool IsPrecompiledText(const std::string& text) {
  const size_t start = AfterHashLine(text);
  return start < text.size() && text[start] == kChunkSignature;
}

std::string LuaSource(std::string text) {
  const size_t start = AfterHashLine(text);
  if (start > 0)
    text.replace(0, start, "\n");
  return text;
}

std::string PrecompiledChunk(const std::string& bytes) {
  const size_t start = bytes.find(kChunkSignature);
  return start == std::string::npos ? std::string() : bytes.substr(start);
}
