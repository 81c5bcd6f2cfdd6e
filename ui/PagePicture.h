// The page picture on scaled displays: how much a page grew, which drawing of its picture to
// use, and that drawing brought to the page's size.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CDialogTemplate.h"

// How much a page's layout grew over the one its picture was drawn for, across and down.
struct Growth {
  double across;
  double down;
};

// How much the page's dialog units grew, across and down, over what its template's font gives
// at 96 DPI: exactly 1 both ways at 96 DPI for a page laid out in that font. A page built in
// the sheet's font instead (replacedFont: the font its template names) grows or shrinks by
// what the two fonts measure apart too, more across than down; its picture follows each
// direction so that the figures keep their places beside the controls and the edge reaches
// the page's foot.
Growth PageGrowth(HWND page, const DialogFont* replacedFont);

// A run of a picture's columns that its bitmap keeps: x columns into the picture, width wide,
// found from column `from` of the bitmap.
struct PictureColumns {
  int x;
  int width;
  int from;
};

// A page picture loaded for the page, and the scale of the 100 % picture it ends up drawn at.
struct LoadedPicture {
  HBITMAP bitmap;
  Growth scale;
  // With columns, the bitmap holds only those runs, side by side, of a picture this wide,
  // every other column of which is white. Without, the bitmap is the whole picture.
  int width;
  std::vector<PictureColumns> columns;
};

// A 24-bit picture (header, pixels at bits) at width x height, smoothly resampled: each pixel
// weighs the source pixels it covers (a tent at least one source pixel wide), so shrinking
// averages and enlarging blends; white stays exactly white. Only the columns of artwork are
// kept when that saves a quarter of the picture or more: most of a page's picture is white
// ground, which the page's white background gives anyway. A null bitmap when the source is no
// uncompressed 24-bit picture or there is no memory.
LoadedPicture ResamplePicture(const BITMAPINFOHEADER& source, const void* bits, int width,
                              int height, Growth scale);

// The PNG master (masterWidth x masterHeight) decoded by the Windows Imaging Component and
// brought to width x height, its columns of artwork kept; a null bitmap when it cannot be
// decoded (no imaging component, damaged data, another size).
LoadedPicture ScaleMaster(const void* png, DWORD size, int masterWidth, int masterHeight, int width,
                          int height, Growth scale);

// The picture at the page's growth, from its two drawings: the bitmap at 100 % and the PNG
// master (an RCDATA resource) drawn at 200 %. A drawing within 5 % of the growth both ways is taken
// as it is (a sharp picture beats an exact size; units round differently across and down): the 100
// % bitmap as always (LoadBitmapW), or the decoded master. Any other growth beyond 100 % is the
// master resampled to it; below 100 %, or when the master cannot be decoded, the 100 % bitmap
// is, so that the page never goes blank. A scaled picture keeps only its columns of artwork.
LoadedPicture LoadPagePicture(HINSTANCE module, UINT bitmap, UINT master, Growth growth);
