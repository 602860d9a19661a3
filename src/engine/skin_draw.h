#pragma once
// Putting skin images on a device context. Every routine composes its result
// off-screen with the core's pixel routines and reaches the target with one
// blit, so a visible surface is never drawn piece by piece. A destination
// with Right < Left or Bottom < Top draws nothing.
#include "core/nine_slice.h"
#include "core/pixel_bitmap.h"
#include "core/skin_elements.h"
#include "toolkit/bitmap.h"

#include <memory>

// The core's key colour as GDI spells it: pixels of exactly this colour are
// never drawn by the transparent routines.
constexpr COLORREF kSkinKeyColour = static_cast<COLORREF>(kKeyColour);

// How DrawTransparent combines bitmap and mask. Windows NT and later take
// MaskBlt; the three-blit XOR/AND form is the one Windows 9x understands.
enum class TTransparentBlit { MaskBlt, XorAndXor };

// A DIB-section copy of `pixels` (empty when a side is zero or GDI refuses),
// with COLORONCOLOR set on its DC.
std::unique_ptr<TBitmap> ToBitmap(const TPixelBitmap& pixels);
// Writes `pixels` to the top-left corner of `bitmap` when it is at least as
// large (false otherwise), so that a bitmap can be reused for images of
// changing size without making a new DIB section each time.
bool CopyIntoBitmap(TBitmap& bitmap, const TPixelBitmap& pixels);
// The pixels GDI left in `bitmap`, for the core's whole-image transforms.
TPixelBitmap PixelsOf(const TBitmap& bitmap);

// Copies `bitmap` to the top-left of `dest` (clipped to the smaller of the two
// sizes), leaving the target unchanged under pixels of exactly `key`.
void DrawTransparent(HDC dc, const RECT& dest, const TBitmap& bitmap, COLORREF key = kSkinKeyColour,
                     TTransparentBlit how = TTransparentBlit::MaskBlt);
void DrawTransparent(HDC dc, const RECT& dest, const TPixelBitmap& bitmap,
                     COLORREF key = kSkinKeyColour,
                     TTransparentBlit how = TTransparentBlit::MaskBlt);

// Every routine below takes its arguments in one order: target, destination,
// frame, margins, axis, centre fill, key colour (leaving out what it has no
// use for), with the frame as one value, so that a call cannot swap an index
// and a count or two choices and still compile. A null strip draws nothing.

// A new bitmap of the destination's size holding `frame` nine-sliced with
// `margins`; nullptr for an inverted or empty destination or a null strip.
std::unique_ptr<TBitmap> BuildSkinBitmap(const RECT& dest, const TSkinFrame& frame,
                                         const TSkinMargins& margins, TStripAxis axis,
                                         TCentreFill fill);

// `frame` nine-sliced into `dest`.
void DrawSkinRect(HDC dc, const RECT& dest, const TSkinFrame& frame, const TSkinMargins& margins,
                  TStripAxis axis, TCentreFill fill, TKeyColour key);

// Repeats the `source` piece of `bitmap` over `dest` from its top-left; the
// last tiles are not clipped to `dest` (only by the DC), so a caller drawing
// edges afterwards covers the overrun.
void TileBitmap(HDC dc, const RECT& dest, const TPixelBitmap& bitmap, const RECT& source);

// A three-part bar: left and right caps (margins.Left and margins.Right
// wide) and a tiled middle, all stretched to the destination's height.
void DrawSkinBar(HDC dc, const RECT& dest, const TSkinFrame& frame, const TSkinMargins& margins,
                 TStripAxis axis, TKeyColour key);

// A three-part bar with a stretched middle, opaque. A destination narrower
// than one frame gets the whole frame stretched into it.
void StretchSkinBar(HDC dc, const RECT& dest, const TSkinFrame& frame, const TSkinMargins& margins,
                    TStripAxis axis);

// `frame` of a horizontal strip stretched to `dest`.
void StretchSkinFrame(HDC dc, const RECT& dest, const TSkinFrame& frame, TKeyColour key);

// A monochrome mask kept selected into a memory DC of its own, so that
// putting a masked image down makes no DC. The DC goes before the bitmap,
// which GDI would not free while selected.
class TMaskBitmap {
public:
    TMaskBitmap() = default;
    explicit TMaskBitmap(TBitmapHandle bitmap);
    TMaskBitmap(TMaskBitmap&&) noexcept = default;
    TMaskBitmap& operator=(TMaskBitmap&& other) noexcept;
    HDC DC() const { return dc_.Get(); }
    explicit operator bool() const { return static_cast<bool>(dc_); }

private:
    TBitmapHandle bitmap_;
    TMemoryDC dc_; // after the bitmap: freed first
};

// A composite and its key-colour mask, made once for an image put on the
// screen again and again unchanged (the caption buttons of every frame
// paint). Empty when there is nothing to draw.
struct TMaskedImage {
    std::unique_ptr<TBitmap> Bitmap; // black where transparent
    TMaskBitmap Mask;                // 1 where transparent
};

// `bitmap` made ready for DrawMasked with `key` as its see-through colour.
TMaskedImage MaskedBitmap(std::unique_ptr<TBitmap> bitmap, COLORREF key);

// `frame` of a horizontal strip stretched to width x height, ready for
// DrawMasked; what StretchSkinFrame with the key colour transparent would put
// on the target.
TMaskedImage MaskedStretchedFrame(int width, int height, const TSkinFrame& frame);
// `frame` nine-sliced as DrawSkinRect composes it, ready for DrawMasked.
TMaskedImage MaskedSkinRect(int width, int height, const TSkinFrame& frame,
                            const TSkinMargins& margins, TStripAxis axis, TCentreFill fill);
// A three-part bar as DrawSkinBar composes it, ready for DrawMasked.
TMaskedImage MaskedSkinBar(int width, int height, const TSkinFrame& frame,
                           const TSkinMargins& margins, TStripAxis axis);
void DrawMasked(HDC dc, int x, int y, const TMaskedImage& image);

// `frame` of a horizontal strip, unscaled, centred in `rect`.
void CenterSkinFrame(HDC dc, const RECT& rect, const TSkinFrame& frame, TKeyColour key);

// Frame `frame` (1-based) of a skin element's horizontal strip nine-sliced
// into `dest` with the element's margins and centre fill, the key colour
// left undrawn when the element is transparent.
void DrawElementFrame(HDC dc, const RECT& dest, const TDataSkinObject& element, int frame);
