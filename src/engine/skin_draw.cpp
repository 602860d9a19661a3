#include "engine/skin_draw.h"

#include "core/skin_bars.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

bool Inverted(const RECT& r) {
    return r.right < r.left || r.bottom < r.top;
}

// Composites are made whole off-screen; a destination beyond any real window
// (a bad size from elsewhere) is refused rather than allocated.
constexpr long long kMaxSide = 16384;
constexpr long long kMaxArea = 1LL << 25;

bool Drawable(const RECT& r) {
    if (Inverted(r)) return false;
    const long long w = static_cast<long long>(r.right) - r.left;
    const long long h = static_cast<long long>(r.bottom) - r.top;
    return w <= kMaxSide && h <= kMaxSide && w * h <= kMaxArea;
}

TPixelRect ToPixelRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// A monochrome bitmap with 1 (white) where `bitmap` holds exactly `key`.
TBitmapHandle KeyMask(const TBitmap& bitmap, int width, int height, COLORREF key) {
    const int stride = ((width + 15) / 16) * 2; // monochrome rows are word-aligned
    std::vector<std::uint8_t> bits(static_cast<size_t>(stride) * height, 0);
    const std::uint8_t blue = GetBValue(key), green = GetGValue(key), red = GetRValue(key);
    GdiFlush();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row =
            bitmap.Bits() + static_cast<size_t>(bitmap.Height() - 1 - y) * bitmap.Stride();
        std::uint8_t* out = bits.data() + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = row + x * 3;
            if (p[0] == blue && p[1] == green && p[2] == red) out[x / 8] |= 0x80 >> (x % 8);
        }
    }
    return TBitmapHandle(CreateBitmap(width, height, 1, 1, bits.data()));
}

void XorAndXor(HDC dc, int x, int y, int width, int height, HDC source, HBITMAP mask) {
    TMemoryDC maskDC(CreateCompatibleDC(dc));
    if (!maskDC) return;
    TSelectObject selected(maskDC.Get(), mask);
    // Mask bits become the target's background (1) and text (0) colours.
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, width, height, source, 0, 0, SRCINVERT);
    BitBlt(dc, x, y, width, height, maskDC.Get(), 0, 0, SRCAND);
    BitBlt(dc, x, y, width, height, source, 0, 0, SRCINVERT);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
}

// The one blit that puts a finished composite on the target.
void PutComposite(HDC dc, int x, int y, const TPixelBitmap& composite, TKeyColour key) {
    const auto bitmap = ToBitmap(composite);
    if (!bitmap) return;
    const RECT dest{x, y, x + composite.Width(), y + composite.Height()};
    if (key == TKeyColour::Transparent)
        DrawTransparent(dc, dest, *bitmap);
    else
        BitBlt(dc, x, y, composite.Width(), composite.Height(), bitmap->DC(), 0, 0, SRCCOPY);
}

} // namespace

std::unique_ptr<TBitmap> ToBitmap(const TPixelBitmap& pixels) {
    if (pixels.Empty()) return nullptr;
    auto bitmap = std::make_unique<TBitmap>();
    if (!bitmap->SetSize(pixels.Width(), pixels.Height()) || !bitmap->DC()) return nullptr;
    CopyIntoBitmap(*bitmap, pixels);
    SetStretchBltMode(bitmap->DC(), COLORONCOLOR);
    return bitmap;
}

bool CopyIntoBitmap(TBitmap& bitmap, const TPixelBitmap& pixels) {
    if (bitmap.Empty() || !bitmap.Bits() || bitmap.Width() < pixels.Width() ||
        bitmap.Height() < pixels.Height())
        return false;
    GdiFlush();
    // DIB rows run bottom-up: row y of the image is row y of the bitmap
    // counted from its top.
    const size_t rowBytes = static_cast<size_t>(pixels.Width()) * 3;
    for (int y = 0; y < pixels.Height(); ++y)
        std::memcpy(bitmap.Bits() + static_cast<size_t>(bitmap.Height() - 1 - y) * bitmap.Stride(),
                    pixels.Row(y), rowBytes);
    return true;
}

TPixelBitmap PixelsOf(const TBitmap& bitmap) {
    TPixelBitmap pixels(bitmap.Width(), bitmap.Height());
    if (pixels.Empty() || !bitmap.Bits()) return pixels;
    GdiFlush();
    const size_t rowBytes = static_cast<size_t>(pixels.Width()) * 3;
    for (int y = 0; y < pixels.Height(); ++y)
        std::memcpy(pixels.Row(y),
                    bitmap.Bits() + static_cast<size_t>(bitmap.Height() - 1 - y) * bitmap.Stride(),
                    rowBytes);
    return pixels;
}

void DrawTransparent(HDC dc, const RECT& dest, const TBitmap& bitmap, COLORREF key,
                     TTransparentBlit how) {
    if (Inverted(dest) || bitmap.Empty()) return;
    const int width = std::min<int>(dest.right - dest.left, bitmap.Width());
    const int height = std::min<int>(dest.bottom - dest.top, bitmap.Height());
    if (width <= 0 || height <= 0) return;
    const TBitmapHandle mask = KeyMask(bitmap, width, height, key);
    if (!mask || !bitmap.DC()) return;
    if (how == TTransparentBlit::MaskBlt)
        MaskBlt(dc, dest.left, dest.top, width, height, bitmap.DC(), 0, 0, mask.Get(), 0, 0,
                MAKEROP4(0x00AA0029, SRCCOPY)); // mask 1 keeps the target, 0 copies
    else
        XorAndXor(dc, dest.left, dest.top, width, height, bitmap.DC(), mask.Get());
}

void DrawTransparent(HDC dc, const RECT& dest, const TPixelBitmap& bitmap, COLORREF key,
                     TTransparentBlit how) {
    if (Inverted(dest)) return;
    if (const auto copy = ToBitmap(bitmap)) DrawTransparent(dc, dest, *copy, key, how);
}

std::unique_ptr<TBitmap> BuildSkinBitmap(const RECT& dest, const TSkinFrame& frame,
                                         const TSkinMargins& margins, TStripAxis axis,
                                         TCentreFill fill) {
    if (!Drawable(dest)) return nullptr;
    return ToBitmap(BuildSkinBitmap(dest.right - dest.left, dest.bottom - dest.top, frame, margins,
                                    axis, fill));
}

void DrawSkinRect(HDC dc, const RECT& dest, const TSkinFrame& frame, const TSkinMargins& margins,
                  TStripAxis axis, TCentreFill fill, TKeyColour key) {
    if (!Drawable(dest)) return;
    PutComposite(
        dc, dest.left, dest.top,
        BuildSkinBitmap(dest.right - dest.left, dest.bottom - dest.top, frame, margins, axis, fill),
        key);
}

void DrawElementFrame(HDC dc, const RECT& dest, const TDataSkinObject& element, int frame) {
    DrawSkinRect(dc, dest, element.Frame(frame), element.Margins(), TStripAxis::Horizontal,
                 element.Fill(), element.Trans == 1 ? TKeyColour::Transparent : TKeyColour::Opaque);
}

void TileBitmap(HDC dc, const RECT& dest, const TPixelBitmap& bitmap, const RECT& source) {
    const int w = source.right - source.left, h = source.bottom - source.top;
    if (w <= 0 || h <= 0) return;
    const auto tile = ToBitmap(CropBitmap(bitmap, ToPixelRect(source)));
    if (!tile) return;
    // Tiles wholly outside the DC's clip box would change nothing; skipping
    // them keeps a huge destination from costing a blit per tile.
    RECT box{LONG_MIN, LONG_MIN, LONG_MAX, LONG_MAX};
    if (GetClipBox(dc, &box) == NULLREGION) return;
    // First tiles that reach into the box, on the tile grid of `dest`.
    const auto first = [](long long from, long long boxFrom, int step) {
        return from >= boxFrom ? from : from + (boxFrom - from) / step * step;
    };
    const long long right = std::min<long long>(dest.right, box.right);
    const long long bottom = std::min<long long>(dest.bottom, box.bottom);
    const long long top = first(dest.top, box.top, h);
    for (long long x = first(dest.left, box.left, w); x < right; x += w)
        for (long long y = top; y < bottom; y += h)
            BitBlt(dc, static_cast<int>(x), static_cast<int>(y), w, h, tile->DC(), 0, 0, SRCCOPY);
}

void DrawSkinBar(HDC dc, const RECT& dest, const TSkinFrame& frame, const TSkinMargins& margins,
                 TStripAxis axis, TKeyColour key) {
    if (!Drawable(dest)) return;
    PutComposite(dc, dest.left, dest.top,
                 BuildSkinBar(dest.right - dest.left, dest.bottom - dest.top, frame, margins, axis),
                 key);
}

void StretchSkinBar(HDC dc, const RECT& dest, const TSkinFrame& frame, const TSkinMargins& margins,
                    TStripAxis axis) {
    if (!Drawable(dest)) return;
    PutComposite(
        dc, dest.left, dest.top,
        BuildStretchedSkinBar(dest.right - dest.left, dest.bottom - dest.top, frame, margins, axis),
        TKeyColour::Opaque);
}

void StretchSkinFrame(HDC dc, const RECT& dest, const TSkinFrame& frame, TKeyColour key) {
    if (!Drawable(dest)) return;
    PutComposite(dc, dest.left, dest.top,
                 BuildStretchedFrame(dest.right - dest.left, dest.bottom - dest.top, frame), key);
}

TMaskBitmap::TMaskBitmap(TBitmapHandle bitmap) : bitmap_(std::move(bitmap)) {
    if (!bitmap_) return;
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (dc_) SelectObject(dc_.Get(), bitmap_.Get());
}

TMaskBitmap& TMaskBitmap::operator=(TMaskBitmap&& other) noexcept {
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    return *this;
}

TMaskedImage MaskedBitmap(std::unique_ptr<TBitmap> bitmap, COLORREF key) {
    TMaskedImage image;
    if (!bitmap || bitmap->Empty() || !bitmap->DC()) return image;
    image.Mask = TMaskBitmap(KeyMask(*bitmap, bitmap->Width(), bitmap->Height(), key));
    if (!image.Mask) return image;
    // Black under the mask, so that DrawMasked can OR the image in.
    GdiFlush();
    const std::uint8_t blue = GetBValue(key), green = GetGValue(key), red = GetRValue(key);
    for (int y = 0; y < bitmap->Height(); ++y) {
        std::uint8_t* p = bitmap->Bits() + static_cast<size_t>(y) * bitmap->Stride();
        for (int x = 0; x < bitmap->Width(); ++x, p += 3)
            if (p[0] == blue && p[1] == green && p[2] == red) p[0] = p[1] = p[2] = 0;
    }
    image.Bitmap = std::move(bitmap);
    return image;
}

namespace {

TMaskedImage Masked(const TPixelBitmap& composite) {
    return MaskedBitmap(ToBitmap(composite), kSkinKeyColour);
}

} // namespace

TMaskedImage MaskedStretchedFrame(int width, int height, const TSkinFrame& frame) {
    if (!Drawable(RECT{0, 0, width, height})) return {};
    return Masked(BuildStretchedFrame(width, height, frame));
}

TMaskedImage MaskedSkinRect(int width, int height, const TSkinFrame& frame,
                            const TSkinMargins& margins, TStripAxis axis, TCentreFill fill) {
    if (!Drawable(RECT{0, 0, width, height})) return {};
    return Masked(BuildSkinBitmap(width, height, frame, margins, axis, fill));
}

TMaskedImage MaskedSkinBar(int width, int height, const TSkinFrame& frame,
                           const TSkinMargins& margins, TStripAxis axis) {
    if (!Drawable(RECT{0, 0, width, height})) return {};
    return Masked(BuildSkinBar(width, height, frame, margins, axis));
}

void DrawMasked(HDC dc, int x, int y, const TMaskedImage& image) {
    if (!image.Bitmap || !image.Mask) return;
    // Two plain blits instead of one MaskBlt, which costs about ten times as
    // much on every frame paint: the mask (its 0 bits turned into the text
    // colour, black) clears the opaque pixels, then the image is ORed in.
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    const int w = image.Bitmap->Width(), h = image.Bitmap->Height();
    BitBlt(dc, x, y, w, h, image.Mask.DC(), 0, 0, SRCAND);
    BitBlt(dc, x, y, w, h, image.Bitmap->DC(), 0, 0, SRCPAINT);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

void CenterSkinFrame(HDC dc, const RECT& rect, const TSkinFrame& frame, TKeyColour key) {
    if (Inverted(rect) || !frame.Strip) return;
    const TPixelBitmap piece = CropBitmap(*frame.Strip, FrameRect(frame, TStripAxis::Horizontal));
    // Halvings round toward zero, as C++ division does.
    const auto centred = [](LONG from, LONG to, int size) {
        return static_cast<int>(from + (static_cast<long long>(to) - from - size) / 2);
    };
    const int left = centred(rect.left, rect.right, piece.Width());
    const int top = centred(rect.top, rect.bottom, piece.Height());
    PutComposite(dc, left, top, piece, key);
}
