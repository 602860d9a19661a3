#include "engine/controls/glyph_picture.h"

#include <algorithm>
#include <memory>

namespace {

// A grey that lands on the key colour is moved off it by one step, so that
// no part of the glyph turns see-through.
void GreyPixels(TBitmap& bitmap, COLORREF key) {
    const std::uint8_t kb = GetBValue(key), kg = GetGValue(key), kr = GetRValue(key);
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.Bits() + static_cast<std::ptrdiff_t>(y) * bitmap.Stride();
        for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
            if (p[0] == kb && p[1] == kg && p[2] == kr) continue;
            auto mean = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
            if (mean == kb && mean == kg && mean == kr) mean = mean == 255 ? 254 : mean + 1;
            p[0] = p[1] = p[2] = mean;
        }
    }
}

// The bytes of the part of `source` that lies inside `glyph`, top row first.
std::vector<std::uint8_t> PiecePixels(const TBitmap& glyph, const RECT& source) {
    const int left = std::max<int>(source.left, 0);
    const int right = std::min<int>(source.right, glyph.Width());
    const int top = std::max<int>(source.top, 0);
    const int bottom = std::min<int>(source.bottom, glyph.Height());
    std::vector<std::uint8_t> pixels;
    if (left >= right || top >= bottom || !glyph.Bits()) return pixels;
    GdiFlush();
    const size_t rowBytes = static_cast<size_t>(right - left) * 3;
    pixels.reserve(rowBytes * (bottom - top));
    for (int y = top; y < bottom; ++y) {
        const std::uint8_t* row = glyph.Bits() +
                                  static_cast<size_t>(glyph.Height() - 1 - y) * glyph.Stride() +
                                  static_cast<size_t>(left) * 3;
        pixels.insert(pixels.end(), row, row + rowBytes);
    }
    return pixels;
}

} // namespace

void TGlyphPicture::Make(const TBitmap& glyph, const RECT& source, bool grey) {
    image_ = TMaskedImage{};
    auto piece = std::make_unique<TBitmap>();
    if (!piece->SetSize(size_.cx, size_.cy)) return;
    BitBlt(piece->DC(), 0, 0, size_.cx, size_.cy, glyph.DC(), source.left, source.top, SRCCOPY);
    const COLORREF key = piece->TransparentColor();
    if (grey) GreyPixels(*piece, key);
    image_ = MaskedBitmap(std::move(piece), key);
}

void TGlyphPicture::Draw(HDC dc, POINT at, const TBitmap& glyph, const RECT& source, bool grey) {
    const SIZE size{source.right - source.left, source.bottom - source.top};
    if (size.cx <= 0 || size.cy <= 0 || glyph.Empty()) return;
    std::vector<std::uint8_t> pixels = PiecePixels(glyph, source);
    if (size.cx != size_.cx || size.cy != size_.cy || grey != grey_ || pixels != madeFrom_) {
        size_ = size;
        grey_ = grey;
        madeFrom_ = std::move(pixels);
        Make(glyph, source, grey);
    }
    DrawMasked(dc, at.x, at.y, image_);
}

void DrawGlyphPiece(HDC dc, POINT at, const TBitmap& glyph, const RECT& source, bool grey) {
    TGlyphPicture().Draw(dc, at, glyph, source, grey);
}
