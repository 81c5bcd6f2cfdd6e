// Page growth, the PNG master's decoding, a smooth resampler for 24-bit pictures, and the choice
// between them.
#include "ui/PagePicture.h"

#include <math.h>
#include <wincodec.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "framework/CDialogTemplate.h"

namespace {

const int kScreenDpi = 96;
// A drawing this close to the wanted scale is used as it is.
const double kSnap = 0.05;
const int kMasterScale = 2;

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

size_t Stride(int width) { return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3}; }

// The header of a 24-bit top-down picture.
BITMAPINFOHEADER TopDown(int width, int height) {
  return BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
}

// An empty 24-bit top-down DIB section; null when there is no memory for it.
HBITMAP NewPicture(int width, int height, void** bits) {
  BITMAPINFO info = {};
  info.bmiHeader = TopDown(width, height);
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
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

HBITMAP ResamplePicture(const BITMAPINFOHEADER& source, const void* sourcePixels, int width,
                        int height) {
  if (source.biBitCount != 24 || source.biCompression != BI_RGB || source.biClrUsed != 0 ||
      source.biWidth <= 0 || source.biHeight == 0 || width <= 0 || height <= 0)
    return nullptr;
  const int sourceWidth = source.biWidth;
  const int sourceHeight = source.biHeight < 0 ? -source.biHeight : source.biHeight;
  const bool bottomUp = source.biHeight > 0;
  const size_t sourceStride = Stride(sourceWidth);
  const BYTE* sourceBits = static_cast<const BYTE*>(sourcePixels);

  void* bits = nullptr;
  HBITMAP target = NewPicture(width, height, &bits);
  if (!target)
    return nullptr;
  const size_t stride = Stride(width);

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

HBITMAP DecodeMaster(const void* png, DWORD size, int width, int height, void** bits) {
  // COM only for the decoding: the sheet's thread uses it for nothing else. A thread already
  // in another apartment still decodes.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  UINT decodedWidth = 0, decodedHeight = 0;
  const UINT stride = static_cast<UINT>(Stride(width));
  HBITMAP picture = nullptr;
  const bool decoded =
      png &&
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(png)), size)) &&
      SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                 &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) &&
      SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                      nullptr, 0, WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(converter->GetSize(&decodedWidth, &decodedHeight)) &&
      static_cast<int>(decodedWidth) == width && static_cast<int>(decodedHeight) == height &&
      (picture = NewPicture(width, height, bits)) != nullptr &&
      SUCCEEDED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(*bits)));
  for (IUnknown* object :
       std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory})
    if (object)
      object->Release();
  if (SUCCEEDED(com))
    CoUninitialize();
  if (!decoded && picture)
    DeleteObject(picture);
  return decoded ? picture : nullptr;
}

namespace {

bool Near(Growth growth, double scale) {
  return fabs(growth.across - scale) <= kSnap * scale && fabs(growth.down - scale) <= kSnap * scale;
}

// A resource's bytes as the module holds them; null when it is missing.
const void* FindData(HINSTANCE module, UINT id, LPCWSTR type, DWORD* size) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  *size = found ? SizeofResource(module, found) : 0;
  return loaded ? LockResource(loaded) : nullptr;
}

}  // namespace

LoadedPicture LoadPagePicture(HINSTANCE module, UINT bitmap, UINT master, Growth growth) {
  if (Near(growth, 1))
    return LoadedPicture{LoadBitmapW(module, MAKEINTRESOURCEW(bitmap)), Growth{1, 1}};
  // The 100 % bitmap as stored (RT_BITMAP): its header, then its pixels.
  DWORD size = 0;
  const BITMAPINFOHEADER* small =
      static_cast<const BITMAPINFOHEADER*>(FindData(module, bitmap, MAKEINTRESOURCEW(2), &size));
  if (!small || size < sizeof(BITMAPINFOHEADER))
    return LoadedPicture{nullptr, growth};
  const int width = kMasterScale * small->biWidth, height = kMasterScale * abs(small->biHeight);
  const int wantWidth = static_cast<int>(lround(small->biWidth * growth.across));
  const int wantHeight = static_cast<int>(lround(abs(small->biHeight) * growth.down));
  void* bits = nullptr;
  const void* png = FindData(module, master, MAKEINTRESOURCEW(10), &size);
  // The master (RT_RCDATA) only as the 100 % picture at twice its size, so that it stands where
  // that would.
  HBITMAP large = growth.across > 1 || growth.down > 1
                      ? DecodeMaster(png, size, width, height, &bits)
                      : nullptr;
  if (large && Near(growth, kMasterScale))
    return LoadedPicture{large, Growth{kMasterScale, kMasterScale}};
  const void* pixels = large ? bits : reinterpret_cast<const BYTE*>(small) + small->biSize;
  HBITMAP scaled =
      ResamplePicture(large ? TopDown(width, height) : *small, pixels, wantWidth, wantHeight);
  if (large)
    DeleteObject(large);
  return LoadedPicture{scaled, growth};
}
