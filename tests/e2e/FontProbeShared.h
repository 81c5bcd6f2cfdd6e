// The record that the driver and its hook module share to pass a control's font across.
#pragma once

#include <windows.h>

const wchar_t kFontProbeMapping[] = L"TessarilE2eFontProbe";

struct FontProbeShared {
  HWND target;    // the control to ask, set by the driver
  LONG done;      // set by the hook once it has asked
  BOOL hasFont;   // false when the control uses the system font (WM_GETFONT gave null)
  LOGFONTW font;  // the control's font when hasFont
};
