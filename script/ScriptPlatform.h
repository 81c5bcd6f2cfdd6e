// The few platform calls of the script layer: whole-file reads, a file replaced in one step, the
// client's virtualized copy of a file, a millisecond clock and the system code page. The program
// implements them over Win32; the native fuzzing build over files in memory.
#pragma once

#include <stddef.h>

#include <string>

enum class FileRead { kRead, kAbsent, kUnreadable, kTooLarge };

// No data file larger than this is read. The game's own files are a few kilobytes (its message
// file at most some hundreds); at this size a file, its kept lines and a run of it still fit a
// 32-bit process's memory many times over, and what is larger is a log or a disk error.
const size_t kDataFileSizeLimit = 8u << 20;

// The whole file. kAbsent when neither it nor its folder exists; kUnreadable when it exists
// but cannot be read (held open without sharing, access denied, a folder in its place);
// kTooLarge, with nothing read, when it holds more than kDataFileSizeLimit bytes.
FileRead ReadWholeFile(const std::string& path, std::string& bytes);

// Puts `bytes` in the place of `path` in one step: written beside it, flushed to the disk,
// then moved over it. On any failure `path` is as it was and nothing is left beside it.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes);

// Where Windows keeps the game client's per-user copy of `path` (relative to the game folder)
// once the client's writes there were virtualized: empty when the game folder is not in a folder
// that Windows virtualizes. The copy need not exist.
std::string VirtualizedCopyPath(const std::string& path);

// UTF-16 text in the system's 8-bit code page; false when any character has no exact
// counterpart there (nothing is replaced by a look-alike or a default character).
bool ToSystemCodePage(const std::u16string& text, std::string& converted);

// 8-bit text in the system code page as UTF-16, for the wide calls and the player's boxes.
std::wstring FromSystemCodePage(const std::string& text);

// Milliseconds of a clock that only moves forward; it may wrap.
unsigned long TickMs();
// The clock that the bounds of a run and start-up's budget read: TickMs, or a test's own.
typedef unsigned long (*TickClock)();
