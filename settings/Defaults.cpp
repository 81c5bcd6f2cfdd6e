// PLACEHOLDER until the defaults are built.
#include "settings/CRegistry.h"
void CRegistry::ResetToDefaults() {}
