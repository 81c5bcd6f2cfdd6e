// The record that the driver and its hook module share about the sheet's first showing.
#pragma once

#include <windows.h>

const wchar_t kShowProbeMapping[] = L"TessarilE2eShowProbe";

struct ShowProbeShared {
  LONG seen;   // set by the hook when the sheet is first about to show
  BOOL reset;  // the Reset button existed at that moment
  BOOL help;   // the Help button still existed
  RECT ok;     // OK's rectangle in the sheet's client area
};
