// The page picture on scaled displays: which master is drawn, and how it is resampled.
#include <gtest/gtest.h>

#include <vector>

#include "ui/PagePicture.h"
#include "ui/resource.h"

namespace {

const PictureMaster kMasters[] = {{100, 1}, {150, 1.5}, {200, 2}};

TEST(PagePicture, AMasterDrawnNearTheGrowthIsTakenAsItIsElseTheNextLargerIsShrunk) {
  const struct {
    double growth;
    UINT id;
    double scale;
  } cases[] = {
      {1.0, 100, 1},          // 96 DPI: the picture itself
      {1.2495, 150, 1.2495},  // 120 DPI: shrunk from the 150 % master
      {1.4806, 150, 1.5},     // 144 DPI with a font that grew a little less
      {1.5353, 150, 1.5},     // 144 DPI: within 5 % of the 150 % master
      {1.7, 200, 1.7},        // shrunk from the 200 % master
      {1.961, 200, 2},        // 192 DPI
      {2.5, 200, 2.5},        // beyond every master: the largest, enlarged
      {0.8, 100, 0.8},        // below 96 DPI: the picture itself, shrunk
  };
  for (const auto& c : cases) {
    const PictureChoice choice = ChoosePicture(kMasters, 3, Growth{c.growth, c.growth});
    EXPECT_EQ(c.id, choice.master->id) << c.growth;
    EXPECT_DOUBLE_EQ(c.scale, choice.scale.across) << c.growth;
    EXPECT_DOUBLE_EQ(c.scale, choice.scale.down) << c.growth;
    EXPECT_EQ(c.scale == choice.master->scale, choice.AsDrawn()) << c.growth;
  }
  // A page laid out in another font grew unevenly: the picture follows each direction exactly,
  // drawn from the smallest master that is large enough both ways.
  const PictureChoice uneven = ChoosePicture(kMasters, 3, Growth{1.29, 1.52});
  EXPECT_EQ(200u, uneven.master->id);
  EXPECT_DOUBLE_EQ(1.29, uneven.scale.across);
  EXPECT_DOUBLE_EQ(1.52, uneven.scale.down);
  EXPECT_FALSE(uneven.AsDrawn());
}

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

// The resampled picture's grey levels, rows top-down.
std::vector<std::vector<int>> Greys(HBITMAP bitmap) {
  DIBSECTION section = {};
  EXPECT_EQ(static_cast<int>(sizeof(section)), GetObjectW(bitmap, sizeof(section), &section));
  const BITMAP& b = section.dsBm;
  std::vector<std::vector<int>> rows(b.bmHeight, std::vector<int>(b.bmWidth));
  for (int y = 0; y < b.bmHeight; ++y)
    for (int x = 0; x < b.bmWidth; ++x) {
      const BYTE* p = static_cast<const BYTE*>(b.bmBits) + b.bmWidthBytes * y + x * 3;
      EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]) << x << "," << y;
      rows[y][x] = p[0];
    }
  return rows;
}

HBITMAP Resample(const std::vector<BYTE>& dib, int width, int height) {
  return ResamplePicture(reinterpret_cast<const BITMAPINFOHEADER*>(dib.data()), width, height);
}

TEST(PagePicture, WhiteStaysExactlyWhiteAtEverySize) {
  const std::vector<BYTE> white =
      PackedDib(7, std::vector<std::vector<BYTE>>(5, {255, 255, 255, 255, 255, 255, 255}));
  for (const SIZE size : {SIZE{7, 5}, SIZE{5, 4}, SIZE{3, 2}, SIZE{11, 9}, SIZE{14, 10}}) {
    HBITMAP scaled = Resample(white, size.cx, size.cy);
    ASSERT_NE(nullptr, scaled);
    for (const auto& row : Greys(scaled))
      for (int grey : row) EXPECT_EQ(255, grey) << size.cx << "x" << size.cy;
    DeleteObject(scaled);
  }
}

TEST(PagePicture, SameSizeCopiesShrinkingAveragesAndEnlargingBlends) {
  const std::vector<BYTE> pairs = PackedDib(4, {{0, 0, 255, 255}, {0, 0, 255, 255}});
  HBITMAP same = Resample(pairs, 4, 2);
  EXPECT_EQ((std::vector<std::vector<int>>{{0, 0, 255, 255}, {0, 0, 255, 255}}), Greys(same));
  DeleteObject(same);

  // Half size: each pixel is the mean of what it covers, so a fine checker turns grey.
  const std::vector<BYTE> checker = PackedDib(4, {{0, 255, 0, 255}, {255, 0, 255, 0}});
  HBITMAP half = Resample(checker, 2, 1);
  const std::vector<std::vector<int>> halved = Greys(half);
  ASSERT_EQ(1u, halved.size());
  for (int grey : halved[0]) EXPECT_NEAR(128, grey, 1);
  DeleteObject(half);

  // Twice the size: between a black and a white pixel the new ones step through greys rather
  // than repeating either.
  const std::vector<BYTE> edge = PackedDib(2, {{0, 255}});
  HBITMAP twice = Resample(edge, 4, 2);
  const std::vector<int> row = Greys(twice)[0];
  EXPECT_EQ(0, row[0]);
  EXPECT_GT(row[1], 0);
  EXPECT_LT(row[1], row[2]);
  EXPECT_LT(row[2], 255);
  EXPECT_EQ(255, row[3]);
  DeleteObject(twice);
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
