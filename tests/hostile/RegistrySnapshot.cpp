// RegistrySnapshot: what the game key held before a test wrote into it.
#include "RegistrySnapshot.h"

namespace {

const char kGameKey[] = "Software\\Helvane\\Tessaril";
const char kSetupKey[] = "Software\\Helvane\\OrvelSetup";

}  // namespace

RegistrySnapshot::RegistrySnapshot()
    : m_gameExisted(Exists(kGameKey)),
      m_setupExisted(Exists(kSetupKey)),
      m_game(ValuesOf(kGameKey)) {}

RegistrySnapshot::~RegistrySnapshot() {
  DeleteClientKey(kGameKey);
  if (!m_setupExisted)
    DeleteClientKey(kSetupKey);
  if (!m_gameExisted)
    return;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_ALL_ACCESS | kClientView,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  for (const Value& v : m_game)
    RegSetValueExA(key, v.name.c_str(), 0, v.type, reinterpret_cast<const BYTE*>(v.data.data()),
                   static_cast<DWORD>(v.data.size()));
  RegCloseKey(key);
}

bool RegistrySnapshot::Exists(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | kClientView, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

std::vector<RegistrySnapshot::Value> RegistrySnapshot::ValuesOf(const char* path) {
  std::vector<Value> values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | kClientView, &key) != ERROR_SUCCESS)
    return values;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD nameSize = sizeof(name);
    DWORD type = 0;
    std::string data(65536, '\0');
    DWORD dataSize = static_cast<DWORD>(data.size());
    if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type,
                      reinterpret_cast<BYTE*>(&data[0]), &dataSize) != ERROR_SUCCESS)
      break;
    data.resize(dataSize);
    values.push_back({name, type, data});
  }
  RegCloseKey(key);
  return values;
}

bool RegistrySnapshot::Get(const char* path, const char* name, Value& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE | kClientView, &key) !=
      ERROR_SUCCESS)
    return false;
  value.name = name;
  value.data.assign(65536, '\0');
  DWORD size = static_cast<DWORD>(value.data.size());
  const LONG status = RegQueryValueExA(key, name, nullptr, &value.type,
                                       reinterpret_cast<BYTE*>(&value.data[0]), &size);
  RegCloseKey(key);
  value.data.resize(status == ERROR_SUCCESS ? size : 0);
  return status == ERROR_SUCCESS;
}
