// Reading what the player sees in another process's windows: texts, check states, list
// contents, slider positions, focus. Messages only read here; input goes through PlayerInput.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace e2e {

std::wstring TextOf(HWND window);
// The text a message box shows: its static controls' texts, in order.
std::wstring BoxText(HWND box);
std::wstring ClassOf(HWND window);
HWND CurrentPage(HWND sheet);
HWND TabControlOf(HWND sheet);
// The direct child of `parent` with id `id`; null when there is none.
HWND ChildById(HWND parent, int id);
// Visible direct children of class "Button" of `parent`, left to right.
std::vector<HWND> PushButtonsOf(HWND parent);

int CheckOf(HWND box);
int ComboSelection(HWND combo);
std::vector<std::wstring> ComboItems(HWND combo);
int SliderPos(HWND slider);
int SliderMax(HWND slider);
// Screen rectangles of a trackbar's thumb and channel (read through the target's memory).
RECT SliderThumb(HANDLE process, HWND slider);
RECT SliderChannel(HANDLE process, HWND slider);

// What every check box, list and slider of a page shows, by control id: check state,
// selection or position.
std::map<int, int> StatesOf(HWND page);

// The window with the keyboard focus in the given GUI thread.
HWND FocusOf(DWORD threadId);
// A visible top-level window of that process with that class ("tooltips_class32"...) and,
// when one is given, that caption.
HWND VisibleWindowOf(DWORD pid, const wchar_t* className, const wchar_t* caption = nullptr);
RECT ScreenRectOf(HWND window);
// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);

}  // namespace e2e
