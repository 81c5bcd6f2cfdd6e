// Real input as a player gives it: pointer moves, clicks, drags and key presses through
// SendInput, each paced and waited for.
#pragma once

#include <windows.h>

namespace e2e {

// Moves the pointer to a screen point; true once the system reports it there.
bool MoveTo(POINT screen);
// Parks the pointer on the desktop's bottom-right corner, away from every control.
void MoveAway();
void Click(POINT screen);
// A click at the centre of a window, or at a point of its client area.
void ClickWindow(HWND window);
void ClickClient(HWND window, int x, int y);
// Press at `from`, move in steps, release at `to`: a drag of a trackbar's thumb, say.
void Drag(POINT from, POINT to);
// One press and release of a virtual key, `times` over, to the window with the focus.
void PressKey(WORD vk, int times = 1);
// A key pressed while another is held (VK_CONTROL with VK_TAB, say).
void PressChord(WORD held, WORD vk);

POINT CenterOf(HWND window);

}  // namespace e2e
