// The name table, filled from its groups in order.
#include "settings/NameTable.h"

namespace {

const char* g_names[kNameCount];

}  // namespace

void InitNameTable() {
  int at = 0;
  const auto add = [&at](const char* name) { g_names[at++] = name; };
  for (const char* name : kOptionKeyNames) add(name);
  for (const char* name : kSoundCommandNames) add(name);
  for (const char* name : kSwitchNames) add(name);
  for (const char* name : kTableAndFileNames) add(name);
  for (const char* name : kSystemTipNames) add(name);
  for (const char* name : kSwitchNames) add(name + 1);
  add("alreadyclient");
}

const char* GetName(int index) { return g_names[index]; }
