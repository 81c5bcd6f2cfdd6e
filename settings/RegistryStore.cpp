// PLACEHOLDER until registry persistence is built.
#include "settings/RegistryStore.h"
#include "settings/CRegistry.h"
void LoadRegistry() { CRegistry::GetInstance()->ResetToDefaults(); }
bool SaveRegistry() { return true; }
