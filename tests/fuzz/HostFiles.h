// The game folder of the fuzzing build: files in memory, by the program's own paths.
#pragma once

#include <map>
#include <string>

std::map<std::string, std::string>& HostFiles();
// When set, every one-step replace fails as a full disk would.
extern bool g_hostWritesFail;
