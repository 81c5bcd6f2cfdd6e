// What Setup itself tells the player of a saved file that could not be read or saved, in the
// sheet's language. Each is shown once, in a box captioned "Setup".
#pragma once

#include <string>

struct NoticeTexts;
struct OptionFileState;
struct RegistrySave;

// What the player should know of the saved option file before the sheet opens; empty when
// there is nothing to tell.
std::wstring StartupNotice(const OptionFileState& file, const NoticeTexts& t);
// The box after a save in which a step failed, naming each file and key that was not written;
// empty when everything was saved.
std::wstring SaveFailureNotice(const OptionFileState& file, bool fileSaved,
                               const RegistrySave& registry, const NoticeTexts& t);
