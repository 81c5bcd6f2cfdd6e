// The page picture on scaled displays: how much a page grew, which drawing of its picture to
// use, and that drawing brought to the page's size.
#pragma once

#include <windows.h>

#include "framework/CDialogTemplate.h"

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

// The factor by which the page's dialog units grew over what its template's font gives at
// 96 DPI: exactly 1 at 96 DPI for a page laid out in that font. A page built in the sheet's
// font instead (replacedFont: the font its template names) grows or shrinks by what the two
// fonts measure apart too, so that its picture keeps its place beside the controls. Width and
// height units round differently, and the picture keeps its proportions, so this is the mean
// of the two (geometric).
double PageGrowth(HWND page, const DialogFont* replacedFont);

// Masters in ascending scale. One drawn within 5 % of the growth is taken as it is (a sharp
// picture beats an exact size); otherwise the nearest larger one is scaled down to the growth,
// or the largest scaled up when the growth is beyond it.
PictureChoice ChoosePicture(const PictureMaster* masters, int count, double growth);

// A copy of a packed 24-bit DIB (a BITMAP resource's data) at width x height, smoothly
// resampled: each pixel weighs the source pixels it covers (a tent at least one source pixel
// wide), so shrinking averages and enlarging blends; white stays exactly white. A 24-bit
// top-down DIB section, or null when the source is no uncompressed 24-bit picture.
HBITMAP ResamplePicture(const BITMAPINFOHEADER* source, int width, int height);

// A page picture ready to paint: a bitmap of its own, or a master's pixels straight from the
// module's resources.
struct LoadedPicture {
  HBITMAP bitmap = nullptr;            // for whoever takes it over
  const BITMAPINFO* mapped = nullptr;  // a master's header, its pixels right after it
  const void* bits = nullptr;
  int width = 0;  // of the mapped master
  int height = 0;
};

// The choice loaded from the module. The 100 % picture is loaded as always (LoadBitmapW). A
// larger master drawn as it is stays where the image is mapped, and is painted from there: a
// device copy would double what it costs in memory. Any other scale is resampled into a
// bitmap of its own.
LoadedPicture LoadPicture(HINSTANCE module, const PictureChoice& choice);
