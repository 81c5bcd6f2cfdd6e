// The page picture on scaled displays: the master's decoding, its fallback, and resampling.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/ResourceData.h"
#include "ui/PagePicture.h"
#include "ui/resource.h"

namespace {

// A packed 24-bit bottom-up DIB as a BITMAP resource holds it, from rows given top-down.
std::vector<BYTE> PackedDib(int width, const std::vector<std::vector<BYTE>>& greyRows) {
  const int height = static_cast<int>(greyRows.size());
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + stride * height);
  BITMAPINFOHEADER* h = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
  h->biSize = sizeof(*h);
  h->biWidth = width;
  h->biHeight = height;
  h->biPlanes = 1;
  h->biBitCount = 24;
  h->biCompression = BI_RGB;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < 3; ++c)
        dib[sizeof(*h) + stride * (height - 1 - y) + x * 3 + c] = greyRows[y][x];
  return dib;
}

// A loaded picture's size and its pixels, row by row without padding.
struct Pixels {
  LONG width = 0, height = 0;
  std::vector<BYTE> bytes;
};

Pixels Read(HBITMAP bitmap) {
  Pixels pixels;
  DIBSECTION section = {};
  if (GetObjectW(bitmap, sizeof(section), &section) != sizeof(section))
    return pixels;
  pixels.width = section.dsBm.bmWidth;
  pixels.height = section.dsBm.bmHeight;
  for (LONG y = 0; y < pixels.height; ++y) {
    const BYTE* row = static_cast<const BYTE*>(section.dsBm.bmBits) + section.dsBm.bmWidthBytes * y;
    pixels.bytes.insert(pixels.bytes.end(), row, row + pixels.width * 3);
  }
  return pixels;
}

// The picture as the page shows it: the kept runs of columns in their places, white between.
Pixels Whole(const LoadedPicture& picture) {
  Pixels kept = Read(picture.bitmap);
  if (picture.columns.empty())
    return kept;
  Pixels whole = {picture.width, kept.height,
                  std::vector<BYTE>(size_t{3} * picture.width * kept.height, 255)};
  for (LONG y = 0; y < kept.height; ++y)
    for (const PictureColumns& run : picture.columns)
      std::copy_n(&kept.bytes[3 * (y * kept.width + run.from)], 3 * run.width,
                  &whole.bytes[3 * (y * whole.width + run.x)]);
  return whole;
}

// The picture's grey levels, rows top-down.
std::vector<std::vector<int>> Greys(const Pixels& picture) {
  std::vector<std::vector<int>> rows(picture.height, std::vector<int>(picture.width));
  for (LONG y = 0; y < picture.height; ++y)
    for (LONG x = 0; x < picture.width; ++x) {
      const BYTE* p = &picture.bytes[3 * (y * picture.width + x)];
      EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << x << "," << y;
      rows[y][x] = p[0];
    }
  return rows;
}

Pixels Resample(const std::vector<BYTE>& dib, int width, int height) {
  const LoadedPicture picture =
      ResamplePicture(*reinterpret_cast<const BITMAPINFOHEADER*>(dib.data()),
                      dib.data() + sizeof(BITMAPINFOHEADER), width, height, Growth{1, 1});
  EXPECT_NE(nullptr, picture.bitmap);
  const Pixels pixels = Whole(picture);
  DeleteObject(picture.bitmap);
  return pixels;
}

TEST(PagePicture, WhiteStaysExactlyWhiteAtEverySize) {
  const std::vector<BYTE> white =
      PackedDib(7, std::vector<std::vector<BYTE>>(5, {255, 255, 255, 255, 255, 255, 255}));
  for (const SIZE size : {SIZE{7, 5}, SIZE{5, 4}, SIZE{3, 2}, SIZE{11, 9}, SIZE{14, 10}}) {
    const Pixels scaled = Resample(white, size.cx, size.cy);
    EXPECT_EQ(size.cx, scaled.width);
    for (const auto& row : Greys(scaled))
      for (int grey : row) EXPECT_EQ(255, grey) << size.cx << "x" << size.cy;
  }
}

TEST(PagePicture, SameSizeCopiesShrinkingAveragesAndEnlargingBlends) {
  const std::vector<BYTE> pairs = PackedDib(4, {{0, 0, 255, 255}, {0, 0, 255, 255}});
  EXPECT_EQ((std::vector<std::vector<int>>{{0, 0, 255, 255}, {0, 0, 255, 255}}),
            Greys(Resample(pairs, 4, 2)));

  // Half size: each pixel is the mean of what it covers, so a fine checker turns grey.
  const std::vector<BYTE> checker = PackedDib(4, {{0, 255, 0, 255}, {255, 0, 255, 0}});
  const std::vector<std::vector<int>> halved = Greys(Resample(checker, 2, 1));
  ASSERT_EQ(1u, halved.size());
  for (int grey : halved[0]) EXPECT_NEAR(128, grey, 1);

  // Twice the size: between a black and a white pixel the new ones step through greys rather
  // than repeating either.
  const std::vector<BYTE> edge = PackedDib(2, {{0, 255}});
  const std::vector<int> row = Greys(Resample(edge, 4, 2))[0];
  EXPECT_EQ(0, row[0]);
  EXPECT_GT(row[1], 0);
  EXPECT_LT(row[1], row[2]);
  EXPECT_LT(row[2], 255);
  EXPECT_EQ(255, row[3]);
}

double MeanDifference(const Pixels& a, const Pixels& b) {
  double total = 0;
  for (size_t i = 0; i < a.bytes.size() && i < b.bytes.size(); ++i)
    total += abs(a.bytes[i] - b.bytes[i]);
  return total / a.bytes.size();
}

// The PNG master decodes to the 100 % picture at twice its size and is shown as drawn at 200 %,
// shrunk at 150 %; only its columns of artwork are kept, and they stand where they were. A
// master that cannot be used (damaged, missing, another page's) gives the 100 % picture
// enlarged in its place, never an empty page. The imaging library is let go after decoding.
TEST(PagePicture, TheMasterDecodesAndOneThatCannotBeUsedGivesWayToTheSmallPicture) {
  const HINSTANCE module = GetModuleHandleW(nullptr);
  const LoadedPicture sharp =
      LoadPagePicture(module, IDB_SYSTEM_BACK, IDR_SYSTEM_BACK_200, Growth{1.98, 2.03});
  const Pixels drawn = Whole(sharp);
  EXPECT_EQ(1146, drawn.width);
  EXPECT_EQ(874, drawn.height);
  EXPECT_EQ(2.0, sharp.scale.across);
  EXPECT_EQ(nullptr, GetModuleHandleW(L"windowscodecs.dll"));
  EXPECT_LT(Read(sharp.bitmap).width, 1146 * 3 / 4);
  const LoadedPicture shrunk =
      LoadPagePicture(module, IDB_SYSTEM_BACK, IDR_SYSTEM_BACK_200, Growth{1.5, 1.5});
  EXPECT_EQ(860, Whole(shrunk).width);
  EXPECT_EQ(656, Whole(shrunk).height);
  DeleteObject(shrunk.bitmap);

  const ResourceData master = FindResourceData(module, RT_RCDATA, IDR_SYSTEM_BACK_200);
  ASSERT_NE(nullptr, master.data);
  std::vector<BYTE> damaged(static_cast<const BYTE*>(master.data),
                            static_cast<const BYTE*>(master.data) + master.size / 2);
  const DWORD size = static_cast<DWORD>(damaged.size());
  EXPECT_EQ(nullptr, ScaleMaster(damaged.data(), size, 1146, 874, 1146, 874, {2, 2}).bitmap);
  damaged.assign(damaged.size(), 0x5A);
  EXPECT_EQ(nullptr, ScaleMaster(damaged.data(), size, 1146, 874, 1146, 874, {2, 2}).bitmap);

  const Pixels white = {drawn.width, drawn.height, std::vector<BYTE>(drawn.bytes.size(), 255)};
  for (const UINT id : {UINT{IDR_OPTION_BACK_200}, UINT{9999}}) {
    const LoadedPicture instead = LoadPagePicture(module, IDB_SYSTEM_BACK, id, Growth{2, 2});
    const Pixels enlarged = Whole(instead);
    ASSERT_EQ(drawn.width, enlarged.width) << id;
    ASSERT_EQ(drawn.height, enlarged.height);
    // The same art, only softer: far closer to the master than to a white page.
    EXPECT_LT(5 * MeanDifference(drawn, enlarged), MeanDifference(white, enlarged));
    DeleteObject(instead.bitmap);
  }
  DeleteObject(sharp.bitmap);

  // Keeping the columns of artwork changes no pixel. Four thin strokes of four greys, on white,
  // against their negative (light strokes on black: nothing to leave out), which the resampler,
  // weighing pixels linearly, must give as the exact complement.
  std::vector<std::vector<BYTE>> strokes(6, std::vector<BYTE>(120, 255)), negative = strokes;
  for (auto& row : negative) std::fill(row.begin(), row.end(), 0);
  for (const int x : {3, 50, 51, 116})
    for (int y = 0; y < 6; ++y) strokes[y][x] = static_cast<BYTE>(x), negative[y][x] = 255 - x;
  const std::vector<BYTE> dib = PackedDib(120, strokes);
  const LoadedPicture kept =
      ResamplePicture(*reinterpret_cast<const BITMAPINFOHEADER*>(dib.data()),
                      dib.data() + sizeof(BITMAPINFOHEADER), 180, 9, Growth{1.5, 1.5});
  EXPECT_EQ(3u, kept.columns.size());
  EXPECT_LT(Read(kept.bitmap).width, 180 / 4);
  const Pixels shown = Whole(kept), complement = Resample(PackedDib(120, negative), 180, 9);
  ASSERT_EQ(complement.bytes.size(), shown.bytes.size());
  for (size_t i = 0; i < shown.bytes.size(); ++i)
    ASSERT_NEAR(255, shown.bytes[i] + complement.bytes[i], 1) << i / 3 % 180;
  DeleteObject(kept.bitmap);
}

}  // namespace

INT_PTR CALLBACK NoHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A page built in the sheet's font in place of its own grows (or shrinks) by what the two fonts
// measure apart, each way, so that the picture keeps its place beside the controls; a page in
// its own font at 96 DPI does not grow at all.
TEST(PagePicture, APageBuiltInAnotherFontGrowsByWhatTheFontsMeasureApart) {
  CDialogTemplate page;
  ASSERT_TRUE(page.Load(GetModuleHandleW(nullptr), IDD_OPTION_PAGE));
  DialogFont own;
  ASSERT_TRUE(page.GetFont(&own));
  HWND inOwn = CreateDialogIndirectParamW(nullptr, page.Get(), nullptr, &NoHandling, 0);
  ASSERT_NE(nullptr, inOwn);
  EXPECT_DOUBLE_EQ(1.0, PageGrowth(inOwn, nullptr).across);
  EXPECT_DOUBLE_EQ(1.0, PageGrowth(inOwn, nullptr).down);
  DestroyWindow(inOwn);

  DialogFont sheet;
  sheet.face = L"Tahoma";
  sheet.pointSize = 6;  // far enough from the page's own font to measure apart anywhere
  ASSERT_TRUE(page.SetFont(sheet));
  HWND inSheet = CreateDialogIndirectParamW(nullptr, page.Get(), nullptr, &NoHandling, 0);
  ASSERT_NE(nullptr, inSheet);
  const SIZE now = DialogBaseUnits(sheet, 96);
  const SIZE was = DialogBaseUnits(own, 96);
  const Growth growth = PageGrowth(inSheet, &own);
  EXPECT_NEAR(double(now.cx) / was.cx, growth.across, 1e-9);
  EXPECT_NEAR(double(now.cy) / was.cy, growth.down, 1e-9);
  EXPECT_LT(growth.across, 0.95);
  DestroyWindow(inSheet);
}
