// Reading and clearing the program's registry keys through the real (Wine) registry.
#include "GameRegistry.h"

namespace e2e {

const char kGameKey[] = "Software\\Helvane\\Tessaril";
const char kSetupKey[] = "Software\\Helvane\\OrvelSetup";

namespace {

const wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\TessarilSetup.exe";

}  // namespace

bool KeyExists(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

int ValueCount(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return -1;
  DWORD count = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return static_cast<int>(count);
}

RegValue ReadValue(const char* path, const char* name) {
  RegValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return value;
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
    std::string data(size, '\0');
    if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(&data[0]),
                         &size) == ERROR_SUCCESS) {
      data.resize(size);
      value.bytes = data;
      value.found = true;
    }
  }
  RegCloseKey(key);
  return value;
}

DWORD ReadDword(const char* path, const char* name, DWORD fallback) {
  const RegValue v = ReadValue(path, name);
  if (!v.found || v.type != REG_DWORD || v.bytes.size() != 4)
    return fallback;
  DWORD d = 0;
  memcpy(&d, v.bytes.data(), 4);
  return d;
}

void WriteDword(const char* path, const char* name, DWORD value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

void DeleteGameKeys() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kGameKey);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kGameKey);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kSetupKey);
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSetupKey);
}

void SetWineVersion(const wchar_t* version) {
  if (!version) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kAppDefaults, L"Version");
    return;
  }
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kAppDefaults, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                 static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

void SetLogPixels(DWORD dpi) {
  const struct {
    HKEY root;
    const char* path;
  } keys[] = {{HKEY_CURRENT_USER, "Control Panel\\Desktop"},
              {HKEY_LOCAL_MACHINE,
               "System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"}};
  for (const auto& k : keys) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(k.root, k.path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
      continue;
    RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                   sizeof(dpi));
    RegCloseKey(key);
  }
}

}  // namespace e2e
