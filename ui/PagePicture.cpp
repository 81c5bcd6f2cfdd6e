// Page growth, the choice of picture master, and a smooth resampler for packed 24-bit DIBs.
#include "ui/PagePicture.h"

#include <math.h>

#include <algorithm>
#include <vector>

#include "framework/CDialogTemplate.h"

namespace {

const int kScreenDpi = 96;
// A master drawn this close to the wanted scale is used as it is.
const double kSnap = 0.05;

// One destination pixel along an axis: the first source pixel it takes and their weights.
struct Taps {
  int first;
  std::vector<float> weights;
};

std::vector<Taps> AxisTaps(int source, int target) {
  const double step = static_cast<double>(source) / target;
  const double radius = std::max(1.0, step);
  std::vector<Taps> axis(target);
  for (int i = 0; i < target; ++i) {
    const double centre = (i + 0.5) * step - 0.5;
    const int first = std::max(0, static_cast<int>(ceil(centre - radius)));
    const int last = std::min(source - 1, static_cast<int>(floor(centre + radius)));
    Taps& taps = axis[i];
    taps.first = first;
    double total = 0;
    for (int j = first; j <= last; ++j) {
      const double w = std::max(0.0, 1.0 - fabs(j - centre) / radius);
      taps.weights.push_back(static_cast<float>(w));
      total += w;
    }
    if (total <= 0) {  // a centre right on a source pixel with no neighbours in reach
      taps.weights.assign(1, 1.0f);
      taps.first = std::min(source - 1, std::max(0, static_cast<int>(lround(centre))));
      continue;
    }
    for (float& w : taps.weights) w = static_cast<float>(w / total);
  }
  return axis;
}

BYTE ToByte(float value) {
  const long rounded = lroundf(value);
  return static_cast<BYTE>(rounded < 0 ? 0 : rounded > 255 ? 255 : rounded);
}

}  // namespace

Growth PageGrowth(HWND page, const DialogFont* replacedFont) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  // The units of the font the picture was drawn beside, at 96 DPI.
  SIZE at96 = {};
  if (replacedFont) {
    at96 = DialogBaseUnits(*replacedFont, kScreenDpi);
  } else if (dpi != kScreenDpi) {
    LOGFONTW font = {};
    HFONT pageFont = reinterpret_cast<HFONT>(SendMessageW(page, WM_GETFONT, 0, 0));
    if (pageFont && GetObjectW(pageFont, sizeof(font), &font)) {
      // The dialog manager sized the font from the template's points at this DPI.
      const int points = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, dpi);
      font.lfHeight = -MulDiv(points, kScreenDpi, 72);
      HFONT reference = CreateFontIndirectW(&font);
      at96 = FontBaseUnits(screen, reference);
      DeleteObject(reference);
    }
  }
  ReleaseDC(nullptr, screen);
  if (at96.cx <= 0 || at96.cy <= 0)
    return Growth{1.0, 1.0};  // its own font at 96 DPI, or nothing to measure by
  RECT units = {0, 0, 4, 8};
  MapDialogRect(page, &units);
  return Growth{static_cast<double>(units.right) / at96.cx,
                static_cast<double>(units.bottom) / at96.cy};
}

PictureChoice ChoosePicture(const PictureMaster* masters, int count, Growth growth) {
  for (int i = 0; i < count; ++i) {
    const double reach = kSnap * masters[i].scale;
    if (fabs(growth.across - masters[i].scale) <= reach &&
        fabs(growth.down - masters[i].scale) <= reach)
      return PictureChoice{&masters[i], Growth{masters[i].scale, masters[i].scale}};
  }
  const double larger = std::max(growth.across, growth.down);
  for (int i = 0; i < count; ++i)
    if (masters[i].scale >= larger)
      return PictureChoice{&masters[i], growth};
  return PictureChoice{&masters[count - 1], growth};
}

HBITMAP ResamplePicture(const BITMAPINFOHEADER* source, int width, int height) {
  if (!source || source->biBitCount != 24 || source->biCompression != BI_RGB ||
      source->biClrUsed != 0 || source->biWidth <= 0 || source->biHeight == 0 || width <= 0 ||
      height <= 0)
    return nullptr;
  const int sourceWidth = source->biWidth;
  const int sourceHeight = source->biHeight < 0 ? -source->biHeight : source->biHeight;
  const bool bottomUp = source->biHeight > 0;
  const size_t sourceStride = (static_cast<size_t>(sourceWidth) * 3 + 3) & ~size_t{3};
  const BYTE* sourceBits = reinterpret_cast<const BYTE*>(source) + source->biSize;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!target || !bits)
    return target;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};

  const std::vector<Taps> across = AxisTaps(sourceWidth, width);
  const std::vector<Taps> down = AxisTaps(sourceHeight, height);
  // One target row at a time: the source rows it takes, blended into one row of the source's
  // width, then that row resampled across.
  std::vector<float> row(static_cast<size_t>(sourceWidth) * 3);
  for (int y = 0; y < height; ++y) {
    std::fill(row.begin(), row.end(), 0.0f);
    const Taps& rows = down[y];
    for (size_t k = 0; k < rows.weights.size(); ++k) {
      const int sy = rows.first + static_cast<int>(k);
      const BYTE* line = sourceBits + sourceStride * (bottomUp ? sourceHeight - 1 - sy : sy);
      const float w = rows.weights[k];
      for (size_t i = 0; i < row.size(); ++i) row[i] += w * line[i];
    }
    BYTE* out = static_cast<BYTE*>(bits) + stride * y;
    for (int x = 0; x < width; ++x) {
      const Taps& columns = across[x];
      float b = 0, g = 0, r = 0;
      for (size_t k = 0; k < columns.weights.size(); ++k) {
        const float* p = &row[static_cast<size_t>(columns.first + static_cast<int>(k)) * 3];
        const float w = columns.weights[k];
        b += w * p[0];
        g += w * p[1];
        r += w * p[2];
      }
      out[x * 3] = ToByte(b);
      out[x * 3 + 1] = ToByte(g);
      out[x * 3 + 2] = ToByte(r);
    }
  }
  GdiFlush();
  return target;
}

namespace {

// A bitmap resource as stored: its header, then its pixels; null when it is missing.
const BITMAPINFOHEADER* FindPicture(HINSTANCE module, UINT id) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));  // RT_BITMAP
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const BITMAPINFOHEADER* header =
      loaded ? static_cast<const BITMAPINFOHEADER*>(LockResource(loaded)) : nullptr;
  return header && SizeofResource(module, found) >= sizeof(BITMAPINFOHEADER) ? header : nullptr;
}

}  // namespace

LoadedPicture LoadPicture(HINSTANCE module, const PictureChoice& choice) {
  LoadedPicture picture;
  const UINT id = choice.master->id;
  if (choice.AsDrawn() && choice.master->scale == 1) {
    picture.bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(id));
  } else if (const BITMAPINFOHEADER* master = FindPicture(module, id)) {
    const int height = master->biHeight < 0 ? -master->biHeight : master->biHeight;
    if (choice.AsDrawn()) {
      // Uncompressed 24-bit, as the drawing script writes them: no colour table.
      picture.mapped = reinterpret_cast<const BITMAPINFO*>(master);
      picture.bits = reinterpret_cast<const BYTE*>(master) + master->biSize;
      picture.width = master->biWidth;
      picture.height = height;
      return picture;
    }
    const double across = choice.scale.across / choice.master->scale;
    const double down = choice.scale.down / choice.master->scale;
    picture.bitmap = ResamplePicture(master, static_cast<int>(lround(master->biWidth * across)),
                                     static_cast<int>(lround(height * down)));
  }
  return picture;
}
