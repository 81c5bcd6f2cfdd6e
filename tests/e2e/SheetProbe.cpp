// Cross-process reads: window messages below WM_USER are marshalled by the system; trackbar
// rectangles are read back from a buffer in the target process.
#include "SheetProbe.h"

#include <commctrl.h>

#include <algorithm>

namespace e2e {

namespace {

LRESULT Ask(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result))
    return -1;
  return static_cast<LRESULT>(result);
}

RECT RemoteRect(HANDLE process, HWND w, UINT msg) {
  RECT r = {};
  void* remote = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
  if (!remote)
    return r;
  WriteProcessMemory(process, remote, &r, sizeof r, nullptr);
  Ask(w, msg, 0, reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct WindowSearch {
  DWORD pid;
  const wchar_t* cls;
  const wchar_t* caption;  // null: any
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
  WindowSearch* s = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && IsWindowVisible(hwnd) && ClassOf(hwnd) == s->cls &&
      (!s->caption || TextOf(hwnd) == s->caption)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::wstring TextOf(HWND window) {
  const LRESULT n = Ask(window, WM_GETTEXTLENGTH);
  if (n <= 0)
    return std::wstring();
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  const LRESULT got = Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t cls[128] = L"";
  GetClassNameW(window, cls, 128);
  return cls;
}

std::wstring BoxText(HWND box) {
  std::wstring text;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) == L"Static")
      text += TextOf(c);
  }
  return text;
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(Ask(sheet, PSM_GETCURRENTPAGEHWND)); }

HWND TabControlOf(HWND sheet) { return reinterpret_cast<HWND>(Ask(sheet, PSM_GETTABCONTROL)); }

HWND ChildById(HWND parent, int id) {
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (GetDlgCtrlID(c) == id)
      return c;
  }
  return nullptr;
}

std::vector<HWND> PushButtonsOf(HWND parent) {
  std::vector<HWND> buttons;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (IsWindowVisible(c) && ClassOf(c) == L"Button")
      buttons.push_back(c);
  }
  std::sort(buttons.begin(), buttons.end(),
            [](HWND a, HWND b) { return ScreenRectOf(a).left < ScreenRectOf(b).left; });
  return buttons;
}

int CheckOf(HWND box) { return static_cast<int>(Ask(box, BM_GETCHECK)); }

int ComboSelection(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCURSEL)); }

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const LRESULT count = Ask(combo, CB_GETCOUNT);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT n = Ask(combo, CB_GETLBTEXTLEN, i);
    std::wstring text(n > 0 ? static_cast<size_t>(n) + 1 : 1, L'\0');
    const LRESULT got = Ask(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    items.push_back(text);
  }
  return items;
}

int SliderPos(HWND slider) { return static_cast<int>(Ask(slider, TBM_GETPOS)); }

int SliderMax(HWND slider) { return static_cast<int>(Ask(slider, TBM_GETRANGEMAX)); }

RECT SliderThumb(HANDLE process, HWND slider) {
  return RemoteRect(process, slider, TBM_GETTHUMBRECT);
}

RECT SliderChannel(HANDLE process, HWND slider) {
  return RemoteRect(process, slider, TBM_GETCHANNELRECT);
}

std::map<int, int> StatesOf(HWND page) {
  std::map<int, int> states;
  for (HWND c = GetWindow(page, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::wstring cls = ClassOf(c);
    const int id = GetDlgCtrlID(c);
    if (cls == L"Button")
      states[id] = CheckOf(c);
    else if (cls == L"ComboBox")
      states[id] = ComboSelection(c);
    else if (cls == TRACKBAR_CLASSW)
      states[id] = SliderPos(c);
  }
  return states;
}

HWND FocusOf(DWORD threadId) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(threadId, &info))
    return nullptr;
  return info.hwndFocus;
}

HWND VisibleWindowOf(DWORD pid, const wchar_t* className, const wchar_t* caption) {
  WindowSearch s = {pid, className, caption, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

RECT ScreenRectOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r;
}

RECT RectInParent(HWND window) {
  RECT r = ScreenRectOf(window);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace e2e
