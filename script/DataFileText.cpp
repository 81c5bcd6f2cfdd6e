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

std::string TextModeView(std::string bytes, bool* hidden) {
  const size_t ctrlZ = bytes.find(kCtrlZ);
  const size_t end = ctrlZ == std::string::npos ? bytes.size() : ctrlZ;
  if (hidden) {
    *hidden = false;
    for (size_t i = end; i < bytes.size() && !*hidden; ++i) *hidden = !IsBlank(bytes[i]);
  }
  // In place: a CR LF pair becomes its LF, a lone CR stays.
  char* out = &bytes[0];
  const char* p = out;
  const char* stop = out + end;
  while (p < stop) {
    const char* cr = static_cast<const char*>(memchr(p, '\r', stop - p));
    const char* run = cr ? cr : stop;
    memmove(out, p, run - p);
    out += run - p;
    if (!cr)
      break;
    const bool pair = cr + 1 < stop && cr[1] == '\n';
    *out++ = pair ? '\n' : '\r';
    p = cr + (pair ? 2 : 1);
  }
  bytes.resize(out - bytes.data());
  return bytes;
}

bool IsPrecompiledFile(const std::string& bytes) {
  // Its first line and the byte after it decide.
  const size_t lf = bytes.find('\n');
  return IsPrecompiledText(TextModeView(bytes.substr(0, lf == std::string::npos ? lf : lf + 2)));
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
