// The process-wide objects, defined in one place so that they are constructed in this order
// (and destroyed in the reverse one): the script host, then the application.
#include "app/CSetupApp.h"
#include "script/CScriptHost.h"

CScriptHost g_scriptHost;
CSetupApp theApp;
