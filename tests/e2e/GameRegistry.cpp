// Reading and clearing the program's registry keys through the real (Wine) registry.
#include "GameRegistry.h"

#include <stdlib.h>

namespace e2e {

const char kGameKey[] = "Software\\Helvane\\Tessaril";
const char kSetupKey[] = "Software\\Helvane\\OrvelSetup";
const char* const kGameValues[8] = {"DEVICENAME",      "GUIDDEVICE",  "GUIDDRIVER",
                                    "SOUNDMODE",       "SPEAKERTYPE", "DIGITALRATETYPE",
                                    "DIGITALBITSTYPE", "PROVIDERNAME"};

namespace {

const wchar_t kAppDefaults[] = L"Software\\Wine\\AppDefaults\\TessarilSetup.exe";
const char kVirtualStore[] = "Software\\Classes\\VirtualStore\\MACHINE\\SOFTWARE\\";

}  // namespace

bool KeyExists(const char* path, HKEY root, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

int ValueCount(const char* path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE | kClientView, &key) !=
      ERROR_SUCCESS)
    return -1;
  DWORD count = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return static_cast<int>(count);
}

RegValue ReadValue(const char* path, const char* name, HKEY root, REGSAM view) {
  RegValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
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

DWORD ReadDword(const char* path, const char* name, DWORD fallback, HKEY root, REGSAM view) {
  const RegValue v = ReadValue(path, name, root, view);
  if (!v.found || v.type != REG_DWORD || v.bytes.size() != 4)
    return fallback;
  DWORD d = 0;
  memcpy(&d, v.bytes.data(), 4);
  return d;
}

void WriteDword(const char* path, const char* name, DWORD value, HKEY root, REGSAM view) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

bool RunningOn64BitWindows() {
#ifdef _WIN64
  return true;
#else
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::string VirtualizedGameKey() {
  const std::string below = std::string(kGameKey).substr(sizeof "Software\\" - 1);
  return std::string(kVirtualStore) + (RunningOn64BitWindows() ? "WOW6432Node\\" : "") + below;
}

void DeleteGameKeys() {
  DeleteClientKey(kGameKey);
  DeleteClientKey(kSetupKey);
  const std::string copy = VirtualizedGameKey();
  RegDeleteKeyExA(HKEY_CURRENT_USER, copy.c_str(), kVirtualizedView, 0);
  // The vendor's key of the copy, unless something else lives there.
  RegDeleteKeyExA(HKEY_CURRENT_USER, copy.substr(0, copy.rfind('\\')).c_str(), kVirtualizedView, 0);
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

const wchar_t* SessionWindowsVersion() { return _wgetenv(L"TESSARIL_E2E_WINVER"); }

int ListedModeDepth() {
  if (const wchar_t* told = SessionWindowsVersion())
    return wcscmp(told, L"win8") == 0 || wcscmp(told, L"win81") == 0 || wcscmp(told, L"win10") == 0
               ? 32
               : 16;
  // Like the program, this driver lists no supported versions: it is told the same.
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  return version.dwMajorVersion > 6 || (version.dwMajorVersion == 6 && version.dwMinorVersion >= 2)
             ? 32
             : 16;
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
