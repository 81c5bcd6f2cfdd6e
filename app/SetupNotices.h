// What Setup itself tells the player of a saved file that could not be read or saved, in the
// sheet's language. Each is shown once, in a box captioned "Setup".
#pragma once

#include <string>
#include <vector>

#include "script/CScriptHost.h"

struct OptionFileSave;
struct SavedFileFound;
struct RegistrySave;
struct SheetLanguage;

// What the player should know before the sheet opens: the saved option file as start-up found
// it, and the data files that were not read whole; empty when there is nothing to tell.
std::wstring StartupNotice(const SavedFileFound& file,
                           const std::vector<CScriptHost::UnreadFile>& unread,
                           const SheetLanguage& language);
// The box after a save in which a step failed, naming each file and key that was not written;
// empty when everything was saved.
std::wstring SaveFailureNotice(const OptionFileSave& file, bool fileSaved,
                               const RegistrySave& registry, const SheetLanguage& language);
