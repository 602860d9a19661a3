#pragma once
// Three-part bars and stretched frames composed on pixels: the pictures the
// Windows drawing routines put on screen for caption text backgrounds, the
// menu bar, progress bars and caption buttons. Frames, margins and axes are
// given as the nine-slice composer takes them; a null strip gives an empty
// image.

#include "core/nine_slice.h"
#include "core/pixel_bitmap.h"

// A width x height bar from `frame`: the left and right caps (margins.Left
// and margins.Right wide) stretched to the height, the middle between them
// repeated at its own width (not drawn when the frame has no middle); the
// right cap is drawn last, covering the middle's overrun.
TPixelBitmap BuildSkinBar(int width, int height, const TSkinFrame& frame,
                          const TSkinMargins& margins, TStripAxis axis);

// A width x height bar with a stretched middle; a target narrower than the
// frame gets the whole frame stretched into it.
TPixelBitmap BuildStretchedSkinBar(int width, int height, const TSkinFrame& frame,
                                   const TSkinMargins& margins, TStripAxis axis);

// `frame` of a horizontal strip stretched to width x height.
TPixelBitmap BuildStretchedFrame(int width, int height, const TSkinFrame& frame);
