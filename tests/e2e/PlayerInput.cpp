// SendInput with absolute pointer coordinates, paced so that each step reaches its window.
#include "PlayerInput.h"

#include "Waiting.h"

namespace e2e {

namespace {

const DWORD kStepMs = 60;

// Absolute coordinates run from 0 to 65535 across the screen; aim at the pixel's middle.
LONG Normalize(LONG v, int extent) {
  return static_cast<LONG>(((2 * v + 1) * 65536LL) / (2 * extent));
}

void SendMouse(DWORD flags, POINT screen) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = Normalize(screen.x, GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = Normalize(screen.y, GetSystemMetrics(SM_CYSCREEN));
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &in, sizeof in);
}

void SendKey(WORD vk, bool up) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

}  // namespace

bool MoveTo(POINT screen) {
  SendMouse(0, screen);
  const bool there = WaitUntil(1000, [&] {
    POINT p;
    GetCursorPos(&p);
    return p.x == screen.x && p.y == screen.y;
  });
  SleepPumping(kStepMs);
  return there;
}

void MoveAway() {
  MoveTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
}

void Click(POINT screen) {
  MoveTo(screen);
  SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
  SleepPumping(kStepMs);
  SendMouse(MOUSEEVENTF_LEFTUP, screen);
  SleepPumping(2 * kStepMs);
}

POINT CenterOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickWindow(HWND window) { Click(CenterOf(window)); }

void ClickClient(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  Click(p);
}

void Drag(POINT from, POINT to) {
  MoveTo(from);
  SendMouse(MOUSEEVENTF_LEFTDOWN, from);
  SleepPumping(2 * kStepMs);
  const int steps = 8;
  for (int i = 1; i <= steps; ++i) {
    POINT p = {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
    SendMouse(0, p);
    SleepPumping(kStepMs / 2);
  }
  MoveTo(to);
  SendMouse(MOUSEEVENTF_LEFTUP, to);
  SleepPumping(2 * kStepMs);
}

void PressKey(WORD vk, int times) {
  for (int i = 0; i < times; ++i) {
    SendKey(vk, false);
    SleepPumping(kStepMs / 2);
    SendKey(vk, true);
    SleepPumping(kStepMs);
  }
}

void PressChord(WORD held, WORD vk) {
  SendKey(held, false);
  SleepPumping(kStepMs / 2);
  PressKey(vk);
  SendKey(held, true);
  SleepPumping(kStepMs);
}

}  // namespace e2e
