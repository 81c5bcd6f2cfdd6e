// PLACEHOLDER until the option file steps are built.
#include "script/OptionInfoFile.h"
void ReadOptionFileLines() {}
void LoadOptionInfo() {}
bool WriteOptionFileLines() { return true; }
bool SaveOptionInfo() { return true; }
