// CComboBox: a drop-down list the window does not own; only what our pages send.
#pragma once

#include "framework/CWnd.h"

class CComboBox : public CWnd {
 public:
  void ResetContent() { SendMessage(CB_RESETCONTENT); }
  // Text in the system code page; returns the item's position or CB_ERR.
  int AddString(const char* text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  }
  // The selected position, or CB_ERR (-1) when nothing is selected.
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  // A position beyond the list clears the selection.
  void SetCurSel(int index) { SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)); }
};
