#pragma once
// A window region from a skin image: every pixel that is not the key colour
// (within the given tolerances) belongs to the region.
#include "core/colour.h"
#include "core/pixel_bitmap.h"
#include "toolkit/gdi_objects.h"

// The opaque pixels of `bitmap`, shifted by (xOffset, yOffset). A pixel is
// transparent when each channel lies between the key's value and that value
// plus its tolerance (capped at 255). A bitmap with no opaque pixel gives an
// empty region; an empty owner means GDI refused to make one.
TRegionHandle CreateRegionFromBitmap(const TPixelBitmap& bitmap, int xOffset, int yOffset,
                                     int blueTolerance, int greenTolerance, int redTolerance,
                                     COLORREF key = static_cast<COLORREF>(kKeyColour));
