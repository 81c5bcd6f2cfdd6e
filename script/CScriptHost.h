// The script host: the process's Lua state and keyed lookups in the client's data files.
#pragma once

#include <windows.h>
// windows.h maps GetMessage to GetMessageA; the host's lookup keeps its own name.
#undef GetMessage

#include <string>

struct lua_State;
class CFile;

class CScriptHost {
 public:
  CScriptHost();
  ~CScriptHost();

  // Saved option file ("SaveData\OptionInfo"), falling back to the client's defaults per file.
  int GetSavedOption(const char* key, int defaultValue);
  int GetSavedCommand(const char* key, int defaultValue);
  // Client's default option file; 0 when absent.
  int GetDefaultOption(const char* key);
  int GetDefaultCommand(const char* key);
  // Text from SetupMSG; empty when absent. Valid until the next successful GetMessage.
  const char* GetMessage(const char* key);

  // One "Table["key"] = value" line, written raw; they use none of the host's state.
  static bool WriteOptionInfoLine(CFile& file, const char* key, int value);
  static bool WriteCmdOnOffLine(CFile& file, const char* key, int value);

  int GetNumber(const char* file, const char* table, const char* key, int defaultValue);
  const char* GetText(const char* table, const char* key);
  bool Lookup(const char* file, const char* table, const char* key, int type);
  bool PrepareFile(const char* file);
  bool LoadChunk(const char* baseName);
  bool FindValue(const char* table, const char* key, int type);

 private:
  CScriptHost(const CScriptHost&) = delete;
  CScriptHost& operator=(const CScriptHost&) = delete;

  std::string m_message;
  lua_State* m_L;
};

extern CScriptHost g_scriptHost;
