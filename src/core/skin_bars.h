#pragma once
// Three-part bars and stretched frames composed on pixels: the pictures the
// Windows drawing routines put on screen for caption text backgrounds, the
// menu bar, progress bars and caption buttons.

#include "core/pixel_bitmap.h"

// A width x height bar from the chosen frame: the `left` and `right` caps
// stretched to the height, the middle between them repeated at its own
// width (not drawn when the frame has no middle); the right cap is drawn
// last, covering the middle's overrun.
TPixelBitmap BuildSkinBar(int width, int height, const TPixelBitmap& source, int left, int right,
                          int frameIndex, int frameCount, bool vertical);

// A width x height bar with a stretched middle; a target narrower than the
// frame gets the whole frame stretched into it.
TPixelBitmap BuildStretchedSkinBar(int width, int height, const TPixelBitmap& source, int left,
                                   int right, int frameIndex, int frameCount, bool vertical);

// Frame `frameIndex` of a horizontal strip stretched to width x height.
TPixelBitmap BuildStretchedFrame(int width, int height, const TPixelBitmap& source, int frameIndex,
                                 int frameCount);
