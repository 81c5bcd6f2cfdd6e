// Player actions on the sheet, each followed by a bounded wait for its visible effect.
#include "SetupWindow.h"

#include <commctrl.h>

#include "PlayerInput.h"
#include "SheetProbe.h"
#include "Waiting.h"

namespace e2e {

namespace {

RECT TabItemRect(HANDLE process, HWND tab, int index) {
  RECT r = {};
  void* remote = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
  if (!remote)
    return r;
  DWORD_PTR ok = 0;
  SendMessageTimeoutW(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote),
                      SMTO_ABORTIFHUNG, 5000, &ok);
  ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LRESULT Ask(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace

SetupWindow::SetupWindow(GameSession& game, HWND sheet)
    : m_game(game), m_sheet(sheet), m_pages{CurrentPage(sheet), nullptr} {
  SetForegroundWindow(m_sheet);
}

HWND SetupWindow::Button(int id) const { return ChildById(m_sheet, id); }

HWND SetupWindow::SystemControl(int id) const {
  return m_pages[0] ? ChildById(m_pages[0], id) : nullptr;
}

HWND SetupWindow::OptionControl(int id) const {
  return m_pages[1] ? ChildById(m_pages[1], id) : nullptr;
}

HWND SetupWindow::OpenTab(int index) {
  HWND tab = TabControlOf(m_sheet);
  const RECT r = TabItemRect(m_game.Process(), tab, index);
  Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  WaitUntil(3000, [&] { return Ask(tab, TCM_GETCURSEL) == index && CurrentPage(m_sheet); });
  HWND page = CurrentPage(m_sheet);
  if (Ask(tab, TCM_GETCURSEL) == index) {
    m_pages[index] = page;
    SleepPumping(200);  // the page's first paint
  }
  return Ask(tab, TCM_GETCURSEL) == index ? page : nullptr;
}

void SetupWindow::ClickButton(int id) {
  HWND b = Button(id);
  if (b)
    ClickWindow(b);
}

bool SetupWindow::Toggle(HWND box) {
  const int before = CheckOf(box);
  ClickWindow(box);
  return WaitUntil(2000, [&] { return CheckOf(box) != before; });
}

bool SetupWindow::Choose(HWND combo, int item) {
  ClickWindow(combo);
  HWND list = nullptr;
  WaitUntil(2000, [&] { return (list = VisibleWindowOf(m_game.ProcessId(), L"ComboLBox")); });
  if (!list)
    return false;
  const int top = static_cast<int>(Ask(list, LB_GETTOPINDEX));
  const int height = static_cast<int>(Ask(list, LB_GETITEMHEIGHT, 0));
  RECT client = {};
  GetClientRect(list, &client);
  const int y = (item - top) * height + height / 2;
  if (item >= top && y < client.bottom) {
    ClickClient(list, client.right / 2, y);
  } else {
    // Out of sight in the open list: walk there with the keys as a player would.
    PressKey(VK_HOME);
    PressKey(VK_DOWN, item);
    PressKey(VK_RETURN);
  }
  WaitUntil(2000, [&] { return !IsWindowVisible(list); });
  return WaitUntil(2000, [&] { return ComboSelection(combo) == item; });
}

void SetupWindow::DragSlider(HWND slider, double fraction) {
  const RECT thumb = SliderThumb(m_game.Process(), slider);
  const RECT channel = SliderChannel(m_game.Process(), slider);
  const POINT from = {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  const POINT to = {channel.left + static_cast<LONG>((channel.right - channel.left) * fraction),
                    from.y};
  Drag(from, to);
}

void SetupWindow::SliderKeys(HWND slider, WORD vk, int times) {
  const RECT thumb = SliderThumb(m_game.Process(), slider);
  Click(POINT{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2});
  WaitUntil(2000, [&] { return FocusOf(m_game.ThreadId()) == slider; });
  PressKey(vk, times);
}

bool SetupWindow::OkAndConfirm(bool yes) {
  ClickButton(IDOK);
  HWND box = m_game.WaitForBox(L"Setup");
  if (!box)
    return false;
  HWND answer = ChildById(box, yes ? IDOK : IDCANCEL);
  if (!answer)
    return false;
  ClickWindow(answer);
  WaitUntil(5000, [&] { return !IsWindow(box); });
  return true;
}

}  // namespace e2e
