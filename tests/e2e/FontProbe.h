// Reads the font a control of another process draws with, through a hook in that process.
#pragma once

#include <windows.h>

namespace e2e {

struct ControlFont {
  bool probed = false;   // the hook ran in the control's process
  bool hasFont = false;  // false: the system font
  LOGFONTW font = {};
};

ControlFont FontOf(HWND control);
// Same face, height, weight and character set (or both the system font).
bool SameFont(const ControlFont& a, const ControlFont& b);

}  // namespace e2e
