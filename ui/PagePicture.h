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

// How much a page's layout grew over the one its picture was drawn for, across and down.
struct Growth {
  double across;
  double down;
};

// Which master to draw from, and at what scale of the 100 % picture it ends up drawn.
struct PictureChoice {
  const PictureMaster* master;
  Growth scale;
  // True when the master is drawn as it is, pixel for pixel.
  bool AsDrawn() const { return scale.across == master->scale && scale.down == master->scale; }
};

// How much the page's dialog units grew, across and down, over what its template's font gives
// at 96 DPI: exactly 1 both ways at 96 DPI for a page laid out in that font. A page built in
// the sheet's font instead (replacedFont: the font its template names) grows or shrinks by
// what the two fonts measure apart too, more across than down; its picture follows each
// direction so that the figures keep their places beside the controls and the edge reaches
// the page's foot.
Growth PageGrowth(HWND page, const DialogFont* replacedFont);

// Masters in ascending scale. One drawn within 5 % of the growth both ways is taken as it is (a
// sharp picture beats an exact size; units round differently across and down); otherwise the
// nearest one at least as large both ways is scaled to the growth, or the largest scaled up
// when the growth is beyond it.
PictureChoice ChoosePicture(const PictureMaster* masters, int count, Growth growth);

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
