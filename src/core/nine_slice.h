#pragma once
// Composition of skin images on pixels: choosing one frame of a strip,
// stretching and tiling pieces, the nine-slice composer and key-colour
// transparent copies. The Windows drawing primitives put the results on
// screen; the skin loader uses them to precompute derived images.

#include "core/pixel_bitmap.h"

// The four unscaled edge widths of a skin element.
struct TSkinMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Frame `frameIndex` (1-based) of `frameCount` equal frames laid side by side
// (or stacked when `vertical`). A count below 1 is taken as 1.
TPixelRect FrameRect(const TPixelBitmap& bitmap, int frameCount, int frameIndex, bool vertical);

// Nearest-neighbour stretch of `source` (inside `from`) onto `to` of `target`
// (the COLORONCOLOR result). Pixels outside either bitmap are skipped; empty
// or inverted rectangles draw nothing.
void StretchCopy(TPixelBitmap& target, const TPixelRect& to, const TPixelBitmap& source,
                 const TPixelRect& from);

// Repeats the `from` piece of `source` over `to`, starting at its top-left;
// the last tiles run past the right and bottom edges of `to` (clipped only by
// the target bitmap), as the composer relies on.
void TileBitmap(TPixelBitmap& target, const TPixelRect& to, const TPixelBitmap& source,
                const TPixelRect& from);

// A width x height image holding the chosen frame nine-sliced: corners kept,
// edges stretched along one axis, centre stretched (or tiled). Margins that
// do not fit the size collapse to zero on that axis.
TPixelBitmap BuildSkinBitmap(int width, int height, const TPixelBitmap& source,
                             const TSkinMargins& margins, bool vertical, bool tile, int frameCount,
                             int frameIndex);

// Copies `source` with its top-left at (x, y), leaving target pixels under
// key-colour pixels untouched.
void DrawTransparent(TPixelBitmap& target, int x, int y, const TPixelBitmap& source,
                     TColour key = kKeyColour);
// Copies `source` with its top-left at (x, y), opaque.
void CopyBitmap(TPixelBitmap& target, int x, int y, const TPixelBitmap& source);

// Frame `frameIndex` of a horizontal strip, unscaled and centred in `rect`.
void CenterSkinFrame(TPixelBitmap& target, const TPixelRect& rect, const TPixelBitmap& source,
                     int frameIndex, int frameCount, bool transparent);

// Copies the `from` piece of `source` into a new image of its size.
TPixelBitmap CropBitmap(const TPixelBitmap& source, const TPixelRect& from);
