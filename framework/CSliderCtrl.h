// CSliderCtrl: a trackbar the window does not own; only what our pages send.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"

class CSliderCtrl : public CWnd {
 public:
  void SetRange(int minimum, int maximum, bool redraw) {
    SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
    SendMessage(TBM_SETRANGEMAX, redraw, maximum);
  }
  // A position outside the range is shown at the nearer end.
  void SetPos(int position) { SendMessage(TBM_SETPOS, TRUE, position); }
  int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
};
