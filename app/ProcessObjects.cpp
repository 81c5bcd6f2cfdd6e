// The process-wide objects, defined in one place so that they are constructed in this
// order (and destroyed in the reverse one): resolution table, script host, application.
#include "app/CSetupApp.h"
#include "script/CScriptHost.h"
#include "ui/CSetupOption.h"

ListedMode g_listedModes[kListedModeCapacity];  // each 640 x 480 x 16 until listed
CScriptHost g_scriptHost;
CSetupApp theApp;
