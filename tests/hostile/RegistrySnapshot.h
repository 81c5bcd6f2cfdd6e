// The program's two registry keys as they were, put back when the test ends.
#pragma once

#include <windows.h>

#include "ClientView.h"

#include <string>
#include <vector>

class RegistrySnapshot {
 public:
  RegistrySnapshot();
  ~RegistrySnapshot();

  struct Value {
    std::string name;
    DWORD type = REG_NONE;
    std::string data;
  };
  // Every value of a key under HKEY_LOCAL_MACHINE; empty when it does not exist.
  static std::vector<Value> ValuesOf(const char* path);
  static bool Exists(const char* path);
  // Reads one value back as the registry hands it to an 8-bit caller.
  static bool Get(const char* path, const char* name, Value& value);

 private:
  RegistrySnapshot(const RegistrySnapshot&) = delete;
  RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

  bool m_gameExisted;
  bool m_setupExisted;
  std::vector<Value> m_game;
};
