// The "Tessaril Setup" sheet of a running session, worked as a player works it: tabs, buttons,
// boxes, lists and sliders by mouse and keyboard, and the "Setup" confirmation.
#pragma once

#include <windows.h>

#include <string>

#include "GameSession.h"

namespace e2e {

class SetupWindow {
 public:
  SetupWindow(GameSession& game, HWND sheet);

  HWND Sheet() const { return m_sheet; }
  HWND Button(int id) const;
  // The page of a tab (0 System, 1 Option); null before it was first opened.
  HWND Page(int index) const { return m_pages[index]; }
  HWND SystemControl(int id) const;
  HWND OptionControl(int id) const;

  // A click on the tab's label; returns the page, once it is the current one.
  HWND OpenTab(int index);
  void ClickButton(int id);
  // Clicks a check box and waits until it shows the new state.
  bool Toggle(HWND box);
  // Opens the list with a click and clicks the item; true once the list shows it selected.
  bool Choose(HWND combo, int item);
  // Drags the thumb to a fraction of the channel (below 0 or above 1 runs past an end).
  void DragSlider(HWND slider, double fraction);
  // A click on the thumb gives the slider the focus without moving it; then the keys.
  void SliderKeys(HWND slider, WORD vk, int times);

  // OK, then the answer in the "Setup" box; false when no box came.
  bool OkAndConfirm(bool yes);

 private:
  GameSession& m_game;
  HWND m_sheet;
  HWND m_pages[2];
};

}  // namespace e2e
