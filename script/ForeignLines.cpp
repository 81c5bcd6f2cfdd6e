// ForeignLines: a line splitter that follows just enough of Lua's lexer to know whether a line
// lies inside a long bracket or a string.
#include "script/ForeignLines.h"

#include "settings/NameTable.h"

namespace {

enum class Lexer { kCode, kShortString, kLongBracket };

// Where the lexer stands between lines.
struct LexState {
  Lexer at = Lexer::kCode;
  char quote = 0;       // kShortString: its delimiter
  size_t level = 0;     // kLongBracket: the number of '=' in it
  bool escape = false;  // kShortString: a backslash waits for its character
};

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// The level of a long bracket opening at `at` ("[[", "[=[", ...), or -1.
long OpeningLevel(const std::string& text, size_t at, size_t end) {
  if (at >= end || text[at] != '[')
    return -1;
  size_t i = at + 1;
  while (i < end && text[i] == '=') ++i;
  return i < end && text[i] == '[' ? static_cast<long>(i - at - 1) : -1;
}

bool ClosesAt(const std::string& text, size_t at, size_t end, size_t level) {
  if (text[at] != ']' || at + level + 1 >= end)
    return false;
  for (size_t i = 1; i <= level; ++i) {
    if (text[at + i] != '=')
      return false;
  }
  return text[at + level + 1] == ']';
}

// Follows the lexer over one line [begin, end); a short comment ends the look at the line.
void ScanLine(const std::string& text, size_t begin, size_t end, LexState& lex) {
  size_t i = begin;
  while (i < end) {
    const char c = text[i];
    switch (lex.at) {
      case Lexer::kShortString:
        if (lex.escape)
          lex.escape = false;
        else if (c == '\\')
          lex.escape = true;
        else if (c == lex.quote)
          lex.at = Lexer::kCode;
        ++i;
        break;
      case Lexer::kLongBracket:
        if (ClosesAt(text, i, end, lex.level)) {
          lex.at = Lexer::kCode;
          i += lex.level + 2;
        } else {
          ++i;
        }
        break;
      case Lexer::kCode: {
        if (c == '"' || c == '\'') {
          lex.at = Lexer::kShortString;
          lex.quote = c;
          ++i;
          break;
        }
        const bool comment = c == '-' && i + 1 < end && text[i + 1] == '-';
        const long level = OpeningLevel(text, comment ? i + 2 : i, end);
        if (level >= 0) {
          lex.at = Lexer::kLongBracket;
          lex.level = static_cast<size_t>(level);
          i += (comment ? 2 : 0) + static_cast<size_t>(level) + 2;
        } else if (comment) {
          return;  // a short comment runs to the line end
        } else {
          ++i;
        }
        break;
      }
    }
  }
}

}  // namespace

bool IsOwnOptionLine(const std::string& line) {
  // Only a quoted key marks a line as ours: a comment or a longer key that merely
  // contains one (SCREENWIDTH) belongs to someone else and must survive a save.
  std::string quoted;
  for (int i = 0; i < kNameOptionKeyCount; ++i) {
    const char* key = GetName(i);
    if (!key)
      continue;
    quoted.assign(1, '"').append(key).append(1, '"');
    if (line.find(quoted) != std::string::npos)
      return true;
  }
  return false;
}

bool CollectForeignLines(const std::string& text, std::vector<std::string>& kept) {
  bool nul = false;
  LexState lex;
  size_t begin = 0;
  // luaL_loadfile skips a '#' first line without lexing it.
  const bool hashLine = !text.empty() && text[0] == '#';
  while (begin < text.size()) {
    size_t end = begin;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    const bool startsInside = lex.at != Lexer::kCode;
    if (!(hashLine && begin == 0))
      ScanLine(text, begin, end, lex);
    // A line break inside a short string is legal only right after a backslash.
    const bool endsInside = end < text.size() && (lex.at == Lexer::kLongBracket ||
                                                  (lex.at == Lexer::kShortString && lex.escape));
    if (lex.at == Lexer::kShortString) {
      lex.escape = false;
      if (!endsInside)
        lex.at = Lexer::kCode;  // an unfinished string: the file does not compile anyway
    }
    const std::string line = text.substr(begin, end - begin);
    if (startsInside || endsInside || (!line.empty() && !IsOwnOptionLine(line))) {
      nul = nul || line.find('\0') != std::string::npos;
      kept.push_back(line);
    }
    // CR LF and LF CR are one line end, as Lua's lexer counts them.
    if (end + 1 < text.size() && IsLineEnd(text[end + 1]) && text[end + 1] != text[end])
      ++end;
    begin = end + 1;
  }
  return nul;
}
