// The program's own texts for what could not be read or saved, kept in one place so that they
// can be translated. Each is shown once, in a box captioned "Setup".
#pragma once

#include <string>

struct OptionFileState;
struct RegistrySave;

// What the player should know of the saved option file before the sheet opens; empty when
// there is nothing to tell.
std::string StartupNotice(const OptionFileState& file);
// The box after a save in which a step failed, naming each file and key that was not written;
// empty when everything was saved.
std::string SaveFailureNotice(const OptionFileState& file, bool fileSaved,
                              const RegistrySave& registry);
