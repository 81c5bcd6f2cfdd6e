// The page picture on scaled displays: how much a page grew, which drawing of its picture to
// use, and that drawing brought to the page's size.
#pragma once

#include <windows.h>

// One drawing of a page picture: its bitmap resource and the scale it was drawn at
// (1 for the picture itself, 1.5 and 2 for the larger masters).
struct PictureMaster {
  UINT id;
  double scale;
};

// Which master to draw from, and at what scale of the 100 % picture it ends up drawn.
struct PictureChoice {
  const PictureMaster* master;
  double scale;
  // True when the master is drawn as it is, pixel for pixel.
  bool AsDrawn() const { return scale == master->scale; }
};

// The factor by which the page's dialog units grew over what the page's font gives at 96 DPI:
// exactly 1 at 96 DPI, whatever the font. Width and height units round differently, and the
// picture keeps its proportions, so this is the mean of the two (geometric).
double PageGrowth(HWND page);

// Masters in ascending scale. One drawn within 5 % of the growth is taken as it is (a sharp
// picture beats an exact size); otherwise the nearest larger one is scaled down to the growth,
// or the largest scaled up when the growth is beyond it.
PictureChoice ChoosePicture(const PictureMaster* masters, int count, double growth);

// A copy of a packed 24-bit DIB (a BITMAP resource's data) at width x height, smoothly
// resampled: each pixel weighs the source pixels it covers (a tent at least one source pixel
// wide), so shrinking averages and enlarging blends; white stays exactly white. A 24-bit
// top-down DIB section, or null when the source is no uncompressed 24-bit picture.
HBITMAP ResamplePicture(const BITMAPINFOHEADER* source, int width, int height);

// The choice loaded from the module: LoadBitmapW as it is when drawn as it is (the 100 %
// picture exactly as always), else the master resampled to the chosen scale.
HBITMAP LoadPicture(HINSTANCE module, const PictureChoice& choice);
