// A copy of the screen's pixels taken with GDI, readable pixel by pixel and savable as a BMP.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class ScreenCapture {
 public:
  // Copies the whole screen at once.
  ScreenCapture();

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // The colour at a screen point; black outside the screen.
  COLORREF Pixel(int x, int y) const;
  // Writes a 24-bit bottom-up BMP; true on success.
  bool SaveBmp(const std::wstring& path) const;

 private:
  int m_width;
  int m_height;
  std::vector<BYTE> m_bgr;  // rows top-down, 3 bytes a pixel, rows padded to 4 bytes
  int m_stride;
};

// Saves the screen into the build's screenshot folder as "<name>.bmp"; returns the path.
std::wstring SaveScreenshot(const std::string& name);

}  // namespace e2e
