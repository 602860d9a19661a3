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

// One frame of an image strip: frame Index (1-based) of Count equal frames.
// The routines below take the frame as this one value, and their choices as
// the enumerations after it, so that an index and a count (or two flags)
// swapped at a call cannot compile. A null Strip draws nothing.
struct TSkinFrame {
    const TPixelBitmap* Strip = nullptr;
    int Index = 1;
    int Count = 1;
    int Frames() const { return Count < 1 ? 1 : Count; } // a count below 1 reads as 1
};
enum class TStripAxis { Horizontal, Vertical }; // how the frames of a strip lie
enum class TCentreFill { Stretch, Tile };       // how the middle of a nine-slice is filled
enum class TKeyColour { Opaque, Transparent };  // whether key-colour pixels are left undrawn

// Where `frame` lies in its strip, the frames side by side or stacked along
// `axis`; empty for a null strip.
TPixelRect FrameRect(const TSkinFrame& frame, TStripAxis axis);

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

// A width x height image holding `frame` nine-sliced: corners kept, edges
// stretched along one axis, centre stretched or tiled as `fill` says. Margins
// that do not fit the size collapse to zero on that axis. Empty for a null
// strip.
TPixelBitmap BuildSkinBitmap(int width, int height, const TSkinFrame& frame,
                             const TSkinMargins& margins, TStripAxis axis, TCentreFill fill);

// Copies `source` with its top-left at (x, y), leaving target pixels under
// key-colour pixels untouched.
void DrawTransparent(TPixelBitmap& target, int x, int y, const TPixelBitmap& source,
                     TColour key = kKeyColour);
// Copies `source` with its top-left at (x, y), opaque.
void CopyBitmap(TPixelBitmap& target, int x, int y, const TPixelBitmap& source);

// `frame` of a horizontal strip, unscaled and centred in `rect`.
void CenterSkinFrame(TPixelBitmap& target, const TPixelRect& rect, const TSkinFrame& frame,
                     TKeyColour key);

// Copies the `from` piece of `source` into a new image of its size.
TPixelBitmap CropBitmap(const TPixelBitmap& source, const TPixelRect& from);
