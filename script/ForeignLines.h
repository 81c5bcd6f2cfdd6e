// The lines of the saved option file that the program does not own, found as Lua reads them.
#pragma once

#include <string>
#include <vector>

// True when a line names one of the keys it owns in double quotes, so the program owns it.
bool IsOwnOptionLine(const std::string& line);

// Splits source text into lines where Lua's lexer ends them (CR, LF, CR LF and LF CR each end
// one) and appends the foreign ones to `kept`: every non-empty line that names no key, and,
// verbatim, every line that begins or ends inside a long comment, a long string or a string
// continued over its line end, so that dropping the program's lines never unbalances one.
// Returns true when a kept line holds a NUL byte.
bool CollectForeignLines(const std::string& text, std::vector<std::string>& kept);
