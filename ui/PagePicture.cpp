// Page growth, the PNG master's decoding, a smooth resampler for 24-bit pictures, and the choice
// between them.
#include "ui/PagePicture.h"

#include <math.h>
#include <wchar.h>
#include <wincodec.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "framework/CComPtr.h"
#include "framework/CDialogTemplate.h"
#include "framework/ResourceData.h"

namespace {

const int kScreenDpi = 96;
// A drawing this close to the wanted scale is used as it is.
const double kSnap = 0.05;
const int kMasterScale = 2;

// The resampler weighs in integers, fractions of kOne (far cheaper than floats on a 32-bit
// build's x87); a row blended down keeps kRowFraction bits below the byte, few enough that
// blending it across stays within 32 bits.
const int kWeightBits = 14, kOne = 1 << kWeightBits, kRowFraction = 6;

// One destination pixel along an axis: the first source pixel it takes and their weights,
// which add up to exactly kOne, so that white stays exactly white.
struct Taps {
  int first;
  std::vector<int> weights;
};

std::vector<Taps> AxisTaps(int source, int target) {
  const double step = static_cast<double>(source) / target;
  const double radius = std::max(1.0, step);
  std::vector<Taps> axis(target);
  for (int i = 0; i < target; ++i) {
    const double centre = (i + 0.5) * step - 0.5;
    // Only the pixels strictly inside the tent weigh anything: at the same size, exactly one.
    const int first = std::max(0, static_cast<int>(floor(centre - radius)) + 1);
    const int last = std::min(source - 1, static_cast<int>(ceil(centre + radius)) - 1);
    const auto tent = [&](int j) { return 1.0 - fabs(j - centre) / radius; };
    double total = 0;
    for (int j = first; j <= last; ++j) total += tent(j);
    Taps& taps = axis[i];
    taps.first = first;
    int sum = 0;
    for (int j = first; j <= last; ++j) {
      taps.weights.push_back(static_cast<int>(lround(tent(j) / total * kOne)));
      sum += taps.weights.back();
    }
    // What rounding left over goes to the heaviest weight, which it cannot turn negative.
    *std::max_element(taps.weights.begin(), taps.weights.end()) += kOne - sum;
  }
  return axis;
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
      (*art)[x] = (*art)[x] || source[across[x].first + k];
  return true;
}

// Runs of artwork columns; a white gap narrower than kMinGap stays inside its run, so that
// the runs are few.
std::vector<PictureColumns> ArtRuns(const std::vector<bool>& art) {
  const int kMinGap = 16;
  std::vector<PictureColumns> runs;
  for (int x = 0; x < static_cast<int>(art.size()); ++x) {
    if (!art[x])
      continue;
    PictureColumns* last = runs.empty() ? nullptr : &runs.back();
    if (last && x - (last->x + last->width) < kMinGap)
      last->width = x + 1 - last->x;
    else
      runs.push_back(PictureColumns{x, 1, last ? last->from + last->width : 0});
  }
  return runs;
}

// Resamples the source into the runs of target columns, each at its `from` in bits. One
// target row at a time: the source rows it takes, blended into one row of the source's width,
// then that row resampled across.
bool ResampleRuns(int sourceWidth, const RowSource& rows, const std::vector<Taps>& across,
                  const std::vector<Taps>& down, const std::vector<PictureColumns>& runs,
                  BYTE* bits, size_t stride) {
  const int kDownShift = kWeightBits - kRowFraction;
  const int kAcrossShift = kWeightBits + kRowFraction;
  std::vector<int> row(static_cast<size_t>(sourceWidth) * 3);
  for (size_t y = 0; y < down.size(); ++y) {
    std::fill(row.begin(), row.end(), 0);
    for (size_t k = 0; k < down[y].weights.size(); ++k) {
      const BYTE* line = rows(down[y].first + static_cast<int>(k));
      if (!line)
        return false;
      const int w = down[y].weights[k];
      for (size_t i = 0; i < row.size(); ++i) row[i] += w * line[i];
    }
    for (int& value : row) value = (value + (1 << (kDownShift - 1))) >> kDownShift;
    for (const PictureColumns& run : runs) {
      BYTE* out = bits + stride * y + 3 * static_cast<size_t>(run.from);
      for (int x = run.x; x < run.x + run.width; ++x, out += 3) {
        const Taps& columns = across[x];
        const int* p = &row[static_cast<size_t>(columns.first) * 3];
        int sum[3] = {1 << (kAcrossShift - 1), 1 << (kAcrossShift - 1), 1 << (kAcrossShift - 1)};
        for (const int w : columns.weights)
          for (int c = 0; c < 3; ++c) sum[c] += w * *p++;
        for (int c = 0; c < 3; ++c) out[c] = static_cast<BYTE>(sum[c] >> kAcrossShift);
      }
    }
  }
  GdiFlush();
  return true;
}

// The source at width x height, its columns of artwork kept as ResamplePicture says; a null
// bitmap when a row cannot be read or there is no memory.
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

namespace {

// The imaging library loaded by its full path, never a copy in the game folder.
HMODULE LoadImagingLibrary() {
  wchar_t path[MAX_PATH];
  const UINT folder = GetSystemDirectoryW(path, MAX_PATH - 20);
  return folder && folder < MAX_PATH - 20 && wcscat(path, L"\\windowscodecs.dll")
             ? LoadLibraryW(path)
             : nullptr;
}

// One of its objects, made by its own class object so that the library stays ours to let go.
// Through void (*)() to avoid a cast warning.
HRESULT MakeImagingObject(HMODULE codecs, REFCLSID id, REFIID type, void** object) {
  typedef HRESULT(WINAPI * GetClassObject)(REFCLSID, REFIID, void**);
  const GetClassObject getClassObject =
      codecs ? reinterpret_cast<GetClassObject>(
                   reinterpret_cast<void (*)()>(GetProcAddress(codecs, "DllGetClassObject")))
             : nullptr;
  CComPtr<IClassFactory> maker;
  const HRESULT found = getClassObject ? getClassObject(id, IID_PPV_ARGS(maker.Receive())) : E_FAIL;
  return SUCCEEDED(found) ? maker->CreateInstance(nullptr, type, object) : found;
}

// The objects that decode the master, kept until its pixels have been read.
struct MasterDecoder {
  CComPtr<IWICImagingFactory> factory;
  CComPtr<IWICStream> stream;
  CComPtr<IWICBitmapDecoder> decoder;
  CComPtr<IWICBitmapFrameDecode> frame;
  CComPtr<IWICFormatConverter> pixels;
};

// The master as 24-bit pixels, if it is width x height. The PNG decoder is made by name: a
// factory finding one for the stream tries every registered codec first (under Wine, longer
// than the decoding).
bool DecodeMaster(HMODULE codecs, const void* png, DWORD size, int width, int height,
                  MasterDecoder* m) {
  UINT decodedWidth = 0, decodedHeight = 0;
  return png &&
         SUCCEEDED(MakeImagingObject(codecs, CLSID_WICImagingFactory,
                                     IID_PPV_ARGS(m->factory.Receive()))) &&
         SUCCEEDED(m->factory->CreateStream(m->stream.Receive())) &&
         SUCCEEDED(
             m->stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(png)), size)) &&
         SUCCEEDED(
             MakeImagingObject(codecs, CLSID_WICPngDecoder, IID_PPV_ARGS(m->decoder.Receive()))) &&
         SUCCEEDED(m->decoder->Initialize(m->stream.Get(), WICDecodeMetadataCacheOnDemand)) &&
         SUCCEEDED(m->decoder->GetFrame(0, m->frame.Receive())) &&
         SUCCEEDED(m->factory->CreateFormatConverter(m->pixels.Receive())) &&
         SUCCEEDED(m->pixels->Initialize(m->frame.Get(), GUID_WICPixelFormat24bppBGR,
                                         WICBitmapDitherTypeNone, nullptr, 0,
                                         WICBitmapPaletteTypeCustom)) &&
         SUCCEEDED(m->pixels->GetSize(&decodedWidth, &decodedHeight)) &&
         static_cast<int>(decodedWidth) == width && static_cast<int>(decodedHeight) == height;
}

// The decoded master brought to width x height, read a strip of rows at a time, never held
// whole beside the page's copy.
LoadedPicture ScaleDecoded(IWICBitmapSource* master, int masterWidth, int masterHeight, int width,
                           int height, Growth scale) {
  const int kStripRows = 32;
  const UINT stride = static_cast<UINT>(Stride(masterWidth));
  std::vector<BYTE> strip(static_cast<size_t>(stride) * kStripRows);
  int first = -1;
  const RowSource rows = [&](int y) -> const BYTE* {
    if (first < 0 || y < first || y >= first + kStripRows) {
      const WICRect rect = {0, y, masterWidth, std::min(kStripRows, masterHeight - y)};
      first = -1;
      if (FAILED(master->CopyPixels(&rect, stride, stride * rect.Height, strip.data())))
        return nullptr;
      first = y;
    }
    return strip.data() + static_cast<size_t>(stride) * (y - first);
  };
  return ScalePicture(masterWidth, masterHeight, rows, width, height, scale);
}

bool Near(Growth growth, double scale) {
  return fabs(growth.across - scale) <= kSnap * scale && fabs(growth.down - scale) <= kSnap * scale;
}

}  // namespace

LoadedPicture ScaleMaster(const void* png, DWORD size, int masterWidth, int masterHeight, int width,
                          int height, Growth scale) {
  // COM only for the decoding: the sheet's thread uses it for nothing else. A thread already
  // in another apartment still decodes.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const HMODULE codecs = LoadImagingLibrary();
  LoadedPicture picture = {nullptr, scale, width, {}};
  {
    // Its objects go before the library that holds their code.
    MasterDecoder master;
    if (DecodeMaster(codecs, png, size, masterWidth, masterHeight, &master))
      picture = ScaleDecoded(master.pixels.Get(), masterWidth, masterHeight, width, height, scale);
  }
  if (SUCCEEDED(com))
    CoUninitialize();
  // Let go once the page is decoded: it would otherwise stay in memory for the rest of the run.
  if (codecs)
    FreeLibrary(codecs);
  return picture;
}

LoadedPicture LoadPagePicture(HINSTANCE module, UINT bitmap, UINT master, Growth growth) {
  if (Near(growth, 1))
    return LoadedPicture{LoadBitmapW(module, MAKEINTRESOURCEW(bitmap)), Growth{1, 1}, 0, {}};
  // The 100 % bitmap as stored (RT_BITMAP): its header, then its pixels.
  const ResourceData stored = FindResourceData(module, RT_BITMAP, bitmap);
  const BITMAPINFOHEADER* small = static_cast<const BITMAPINFOHEADER*>(stored.data);
  if (!small || stored.size < sizeof(BITMAPINFOHEADER))
    return LoadedPicture{nullptr, growth, 0, {}};
  const int smallWidth = small->biWidth, smallHeight = abs(small->biHeight);
  // At the master's own scale the picture is the master as drawn, standing where the 100 %
  // picture at twice its size would.
  const bool asDrawn = Near(growth, kMasterScale);
  const Growth scale = asDrawn ? Growth{kMasterScale, kMasterScale} : growth;
  const int width = static_cast<int>(lround(smallWidth * scale.across));
  const int height = static_cast<int>(lround(smallHeight * scale.down));
  if (growth.across > 1 || growth.down > 1) {
    const ResourceData png = FindResourceData(module, RT_RCDATA, master);
    const LoadedPicture picture = ScaleMaster(png.data, png.size, kMasterScale * smallWidth,
                                              kMasterScale * smallHeight, width, height, scale);
    if (picture.bitmap)
      return picture;
  }
  return ResamplePicture(*small, reinterpret_cast<const BYTE*>(small) + small->biSize, width,
                         height, scale);
}
