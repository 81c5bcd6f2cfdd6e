// Page growth, the PNG master's decoding, a smooth resampler for 24-bit pictures, and the choice
// between them.
#include "ui/PagePicture.h"

#include <math.h>
#include <wchar.h>
#include <wincodec.h>

#include <algorithm>
#include <functional>
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

// An empty 24-bit top-down DIB section; null when there is no memory for it.
HBITMAP NewPicture(int width, int height, void** bits) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
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

namespace {

// Row y of a 24-bit picture, rows counted top-down; null when it cannot be had.
using RowSource = std::function<const BYTE*(int y)>;

// The rows of a packed 24-bit DIB; empty when it is no uncompressed 24-bit picture.
RowSource DibRows(const BITMAPINFOHEADER& header, const void* pixels) {
  if (header.biBitCount != 24 || header.biCompression != BI_RGB || header.biClrUsed != 0 ||
      header.biWidth <= 0 || header.biHeight == 0)
    return nullptr;
  const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  const bool bottomUp = header.biHeight > 0;
  const size_t stride = Stride(header.biWidth);
  const BYTE* bits = static_cast<const BYTE*>(pixels);
  return [=](int y) { return bits + stride * (bottomUp ? height - 1 - y : y); };
}

// Which target columns take any source column that is not white: the others come out white.
bool FindArtColumns(int sourceWidth, int sourceHeight, const RowSource& rows,
                    const std::vector<Taps>& across, std::vector<bool>* art) {
  std::vector<bool> source(sourceWidth);
  for (int y = 0; y < sourceHeight; ++y) {
    const BYTE* row = rows(y);
    if (!row)
      return false;
    for (int x = 0; x < sourceWidth; ++x)
      source[x] = source[x] || (row[3 * x] & row[3 * x + 1] & row[3 * x + 2]) != 255;
  }
  art->assign(across.size(), false);
  for (size_t x = 0; x < across.size(); ++x)
    for (size_t k = 0; k < across[x].weights.size(); ++k)
      (*art)[x] = (*art)[x] || (across[x].weights[k] > 0 && source[across[x].first + k]);
  return true;
}

// Runs of artwork columns; a white gap narrower than kMinGap stays inside its run, so that
// the runs are few.
std::vector<PictureColumns> ArtRuns(const std::vector<bool>& art) {
  const int kMinGap = 16;
  const int width = static_cast<int>(art.size());
  std::vector<PictureColumns> runs;
  int kept = 0;
  for (int x = 0; x < width;) {
    if (!art[x]) {
      ++x;
      continue;
    }
    int end = x + 1, next = x + 1;
    while (next < width && next - end < kMinGap)
      if (art[next++])
        end = next;
    runs.push_back(PictureColumns{x, end - x, kept});
    kept += end - x;
    x = end;
  }
  return runs;
}

// Resamples the source into the runs of target columns, each at its `from` in bits. One
// target row at a time: the source rows it takes, blended into one row of the source's width,
// then that row resampled across.
bool ResampleRuns(int sourceWidth, const RowSource& rows, const std::vector<Taps>& across,
                  const std::vector<Taps>& down, const std::vector<PictureColumns>& runs,
                  BYTE* bits, size_t stride) {
  std::vector<float> row(static_cast<size_t>(sourceWidth) * 3);
  for (size_t y = 0; y < down.size(); ++y) {
    std::fill(row.begin(), row.end(), 0.0f);
    for (size_t k = 0; k < down[y].weights.size(); ++k) {
      const BYTE* line = rows(down[y].first + static_cast<int>(k));
      if (!line)
        return false;
      const float w = down[y].weights[k];
      for (size_t i = 0; i < row.size(); ++i) row[i] += w * line[i];
    }
    for (const PictureColumns& run : runs) {
      BYTE* out = bits + stride * y + 3 * static_cast<size_t>(run.from);
      for (int x = run.x; x < run.x + run.width; ++x, out += 3) {
        const Taps& columns = across[x];
        float b = 0, g = 0, r = 0;
        for (size_t k = 0; k < columns.weights.size(); ++k) {
          const float* p = &row[static_cast<size_t>(columns.first + static_cast<int>(k)) * 3];
          const float w = columns.weights[k];
          b += w * p[0];
          g += w * p[1];
          r += w * p[2];
        }
        out[0] = ToByte(b);
        out[1] = ToByte(g);
        out[2] = ToByte(r);
      }
    }
  }
  GdiFlush();
  return true;
}

// The source at width x height, keeping only its columns of artwork when that saves a quarter
// of the picture or more: most of a page's picture is white ground, which the page's white
// background gives anyway. A null bitmap when a row cannot be read or there is no memory.
LoadedPicture ScalePicture(int sourceWidth, int sourceHeight, const RowSource& rows, int width,
                           int height, Growth scale) {
  LoadedPicture picture = {nullptr, scale, width, {}};
  if (width <= 0 || height <= 0)
    return picture;
  const std::vector<Taps> across = AxisTaps(sourceWidth, width);
  const std::vector<Taps> down = AxisTaps(sourceHeight, height);
  std::vector<bool> art;
  if (!FindArtColumns(sourceWidth, sourceHeight, rows, across, &art))
    return picture;
  std::vector<PictureColumns> runs = ArtRuns(art);
  int kept = 0;
  for (const PictureColumns& run : runs) kept += run.width;
  if (4 * kept > 3 * width || kept == 0) {
    kept = width;
    runs.assign(1, PictureColumns{0, width, 0});
  } else {
    picture.columns = runs;
  }
  void* bits = nullptr;
  picture.bitmap = NewPicture(kept, height, &bits);
  if (picture.bitmap && !ResampleRuns(sourceWidth, rows, across, down, runs,
                                      static_cast<BYTE*>(bits), Stride(kept))) {
    DeleteObject(picture.bitmap);
    picture.bitmap = nullptr;
  }
  return picture;
}

}  // namespace

LoadedPicture ResamplePicture(const BITMAPINFOHEADER& source, const void* bits, int width,
                              int height, Growth scale) {
  const RowSource rows = DibRows(source, bits);
  return rows ? ScalePicture(source.biWidth, abs(source.biHeight), rows, width, height, scale)
              : LoadedPicture{nullptr, scale, width, {}};
}

LoadedPicture ScaleMaster(const void* png, DWORD size, int masterWidth, int masterHeight, int width,
                          int height, Growth scale) {
  // COM only for the decoding: the sheet's thread uses it for nothing else. A thread already
  // in another apartment still decodes.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // The imaging library loaded by its full path (never a copy in the game folder) and let go
  // once the page is decoded: it would otherwise stay in memory for the rest of the run.
  wchar_t path[MAX_PATH];
  const UINT folder = GetSystemDirectoryW(path, MAX_PATH - 20);
  HMODULE codecs = folder && folder < MAX_PATH - 20 && wcscat(path, L"\\windowscodecs.dll")
                       ? LoadLibraryW(path)
                       : nullptr;
  typedef HRESULT(WINAPI * CreateFactory)(UINT, IWICImagingFactory**);
  // Through void (*)(): GetProcAddress's generic pointer type would draw a cast warning.
  const CreateFactory createFactory =
      codecs ? reinterpret_cast<CreateFactory>(reinterpret_cast<void (*)()>(
                   GetProcAddress(codecs, "WICCreateImagingFactory_Proxy")))
             : nullptr;
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  UINT decodedWidth = 0, decodedHeight = 0;
  LoadedPicture picture = {nullptr, scale, width, {}};
  if (png && createFactory && SUCCEEDED(createFactory(WINCODEC_SDK_VERSION, &factory)) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(png)), size)) &&
      SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                 &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) &&
      SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                      nullptr, 0, WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(converter->GetSize(&decodedWidth, &decodedHeight)) &&
      static_cast<int>(decodedWidth) == masterWidth &&
      static_cast<int>(decodedHeight) == masterHeight) {
    // The master is read a strip of rows at a time, never held whole beside the page's copy.
    const int kStripRows = 32;
    const UINT stride = static_cast<UINT>(Stride(masterWidth));
    std::vector<BYTE> strip(static_cast<size_t>(stride) * kStripRows);
    int first = -1;
    const RowSource rows = [&](int y) -> const BYTE* {
      if (first < 0 || y < first || y >= first + kStripRows) {
        const WICRect rect = {0, y, masterWidth, std::min(kStripRows, masterHeight - y)};
        first = -1;
        if (FAILED(converter->CopyPixels(&rect, stride, stride * rect.Height, strip.data())))
          return nullptr;
        first = y;
      }
      return strip.data() + static_cast<size_t>(stride) * (y - first);
    };
    picture = ScalePicture(masterWidth, masterHeight, rows, width, height, scale);
  }
  for (IUnknown* object :
       std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory})
    if (object)
      object->Release();
  if (SUCCEEDED(com))
    CoUninitialize();
  if (codecs)
    FreeLibrary(codecs);
  return picture;
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
    return LoadedPicture{LoadBitmapW(module, MAKEINTRESOURCEW(bitmap)), Growth{1, 1}, 0, {}};
  // The 100 % bitmap as stored (RT_BITMAP): its header, then its pixels.
  DWORD size = 0;
  const BITMAPINFOHEADER* small =
      static_cast<const BITMAPINFOHEADER*>(FindData(module, bitmap, MAKEINTRESOURCEW(2), &size));
  if (!small || size < sizeof(BITMAPINFOHEADER))
    return LoadedPicture{nullptr, growth, 0, {}};
  const int smallWidth = small->biWidth, smallHeight = abs(small->biHeight);
  // At the master's own scale the picture is the master as drawn, standing where the 100 %
  // picture at twice its size would.
  const bool asDrawn = Near(growth, kMasterScale);
  const Growth scale = asDrawn ? Growth{kMasterScale, kMasterScale} : growth;
  const int width = static_cast<int>(lround(smallWidth * scale.across));
  const int height = static_cast<int>(lround(smallHeight * scale.down));
  if (growth.across > 1 || growth.down > 1) {
    const void* png = FindData(module, master, MAKEINTRESOURCEW(10), &size);
    const LoadedPicture picture = ScaleMaster(png, size, kMasterScale * smallWidth,
                                              kMasterScale * smallHeight, width, height, scale);
    if (picture.bitmap)
      return picture;
  }
  return ResamplePicture(*small, reinterpret_cast<const BYTE*>(small) + small->biSize, width,
                         height, scale);
}
