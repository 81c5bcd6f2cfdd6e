// PLACEHOLDER: lookups answer their defaults until the script host is built.
#include "script/CScriptHost.h"

CScriptHost::CScriptHost() : m_L(nullptr) {}
CScriptHost::~CScriptHost() {}
int CScriptHost::GetSavedOption(const char*, int d) { return d; }
int CScriptHost::GetSavedCommand(const char*, int d) { return d; }
int CScriptHost::GetDefaultOption(const char*) { return 0; }
int CScriptHost::GetDefaultCommand(const char*) { return 0; }
const char* CScriptHost::GetMessage(const char*) { return ""; }
