// Where Windows keeps its per-user copy of a file that a client without a manifest wrote in a
// protected folder.
#pragma once

#include <string>
#include <vector>

// A client that is not elevated and has no manifest is virtualized: its writes to a file in a
// protected folder (Program Files, the Windows folder, ProgramData) go to
// "<localAppData>\VirtualStore" followed by the file's full path without its drive, and from
// then on it reads that copy. `fullPath` is the file's full path ("C:\Program Files\...");
// the result is empty when it lies in none of `protectedFolders` or `localAppData` is empty.
// Folder names compare as Windows compares them, in any letter case.
std::wstring VirtualStoreCopyOf(const std::wstring& fullPath,
                                const std::vector<std::wstring>& protectedFolders,
                                const std::wstring& localAppData);
