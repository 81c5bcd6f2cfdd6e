// BitBlt from the screen's device context into a top-down DIB section.
#include "ScreenCapture.h"

#include <filesystem>
#include <fstream>

namespace e2e {

ScreenCapture::ScreenCapture()
    : m_width(GetSystemMetrics(SM_CXSCREEN)),
      m_height(GetSystemMetrics(SM_CYSCREEN)),
      m_stride((m_width * 3 + 3) & ~3) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = m_width;
  bi.bmiHeader.biHeight = -m_height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, m_width, m_height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const BYTE* p = static_cast<const BYTE*>(bits);
  m_bgr.assign(p, p + static_cast<size_t>(m_stride) * m_height);
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
}

COLORREF ScreenCapture::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height)
    return RGB(0, 0, 0);
  const BYTE* p = &m_bgr[static_cast<size_t>(y) * m_stride + static_cast<size_t>(x) * 3];
  return RGB(p[2], p[1], p[0]);
}

bool ScreenCapture::SaveBmp(const std::wstring& path) const {
  BITMAPFILEHEADER fh = {};
  BITMAPINFOHEADER ih = {};
  ih.biSize = sizeof ih;
  ih.biWidth = m_width;
  ih.biHeight = m_height;  // bottom-up on disk
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  ih.biCompression = BI_RGB;
  ih.biSizeImage = static_cast<DWORD>(m_bgr.size());
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof ih;
  fh.bfSize = fh.bfOffBits + ih.biSizeImage;
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
  out.write(reinterpret_cast<const char*>(&ih), sizeof ih);
  for (int y = m_height - 1; y >= 0; --y)
    out.write(reinterpret_cast<const char*>(&m_bgr[static_cast<size_t>(y) * m_stride]), m_stride);
  return out.good();
}

std::wstring SaveScreenshot(const std::string& name) {
  std::error_code ec;
  std::filesystem::create_directories(TESSARIL_E2E_SHOTS, ec);
  const std::wstring path =
      std::wstring(TESSARIL_E2E_SHOTS) + L"\\" + std::wstring(name.begin(), name.end()) + L".bmp";
  ScreenCapture().SaveBmp(path);
  return path;
}

}  // namespace e2e
