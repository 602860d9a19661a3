#include "core/nine_slice.h"

#include <algorithm>

TPixelRect FrameRect(const TSkinFrame& frame, TStripAxis axis) {
    if (!frame.Strip) return {};
    const TPixelBitmap& strip = *frame.Strip;
    if (axis == TStripAxis::Vertical) {
        const int height = strip.Height() / frame.Frames();
        const int top = (frame.Index - 1) * height;
        return {0, top, strip.Width(), top + height};
    }
    const int width = strip.Width() / frame.Frames();
    const int left = (frame.Index - 1) * width;
    return {left, 0, left + width, strip.Height()};
}

void StretchCopy(TPixelBitmap& target, const TPixelRect& to, const TPixelBitmap& source,
                 const TPixelRect& from) {
    const int dw = to.Width(), dh = to.Height();
    const int sw = from.Width(), sh = from.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const int yStart = std::max(to.Top, 0), yEnd = std::min(to.Bottom, target.Height());
    const int xStart = std::max(to.Left, 0), xEnd = std::min(to.Right, target.Width());
    for (int y = yStart; y < yEnd; ++y) {
        const int sy = from.Top + static_cast<int>(static_cast<long long>(y - to.Top) * sh / dh);
        if (sy < 0 || sy >= source.Height()) continue;
        const std::uint8_t* sourceRow = source.Row(sy);
        std::uint8_t* targetRow = target.Row(y);
        for (int x = xStart; x < xEnd; ++x) {
            const int sx =
                from.Left + static_cast<int>(static_cast<long long>(x - to.Left) * sw / dw);
            if (sx < 0 || sx >= source.Width()) continue;
            std::copy(sourceRow + sx * 3, sourceRow + sx * 3 + 3, targetRow + x * 3);
        }
    }
}

TPixelBitmap CropBitmap(const TPixelBitmap& source, const TPixelRect& from) {
    TPixelBitmap piece(from.Width(), from.Height());
    StretchCopy(piece, {0, 0, piece.Width(), piece.Height()}, source, from);
    return piece;
}

void TileBitmap(TPixelBitmap& target, const TPixelRect& to, const TPixelBitmap& source,
                const TPixelRect& from) {
    const int w = from.Width(), h = from.Height();
    if (w <= 0 || h <= 0) return;
    const TPixelBitmap tile = CropBitmap(source, from);
    // Tiles that would start beyond the target are never visible.
    const int right = std::min(to.Right, target.Width());
    const int bottom = std::min(to.Bottom, target.Height());
    for (int x = to.Left; x < right; x += w)
        for (int y = to.Top; y < bottom; y += h)
            CopyBitmap(target, x, y, tile);
}

TPixelBitmap BuildSkinBitmap(int width, int height, const TSkinFrame& frame,
                             const TSkinMargins& margins, TStripAxis axis, TCentreFill fill) {
    if (!frame.Strip) return {};
    TPixelBitmap result(width, height);
    if (result.Empty()) return result;
    const TPixelBitmap& source = *frame.Strip;
    const TPixelRect f = FrameRect(frame, axis);
    const int fx = f.Left, fy = f.Top, fw = f.Width(), fh = f.Height();
    int l = margins.Left, t = margins.Top, r = margins.Right, b = margins.Bottom;
    const int w = width, h = height;
    if (w < l + r) l = r = 0;
    if (h < t + b) t = b = 0;

    auto piece = [&](TPixelRect from, TPixelRect to) { StretchCopy(result, to, source, from); };
    // The order is binding: the centre's tiles may overrun, and the right and
    // bottom pieces drawn after it cover that.
    if (l * t > 0) piece({fx, fy, fx + l, fy + t}, {0, 0, l, t});
    if (l * b > 0) piece({fx, fy + fh - b, fx + l, fy + fh}, {0, h - b, l, h});
    if (r * t > 0) piece({fx + fw - r, fy, fx + fw, fy + t}, {w - r, 0, w, t});
    if (l > 0) piece({fx, fy + t, fx + l, fy + fh - b}, {0, t, l, h - b});
    if (t > 0) piece({fx + l, fy, fx + fw - r, fy + t}, {l, 0, w - r, t});
    const TPixelRect centreFrom{fx + l, fy + t, fx + fw - r, fy + fh - b};
    const TPixelRect centreTo{l, t, w - r, h - b};
    if (fill == TCentreFill::Tile)
        TileBitmap(result, centreTo, source, centreFrom);
    else
        piece(centreFrom, centreTo);
    if (r * b > 0) piece({fx + fw - r, fy + fh - b, fx + fw, fy + fh}, {w - r, h - b, w, h});
    if (r > 0) piece({fx + fw - r, fy + t, fx + fw, fy + fh - b}, {w - r, t, w, h - b});
    if (b > 0) piece({fx + l, fy + fh - b, fx + fw - r, fy + fh}, {l, h - b, w - r, h});
    return result;
}

namespace {

template <typename Keep>
void Blit(TPixelBitmap& target, int x, int y, const TPixelBitmap& source, Keep keep) {
    const int xStart = std::max(0, -x), xEnd = std::min(source.Width(), target.Width() - x);
    const int yStart = std::max(0, -y), yEnd = std::min(source.Height(), target.Height() - y);
    for (int sy = yStart; sy < yEnd; ++sy) {
        const std::uint8_t* from = source.Row(sy);
        std::uint8_t* to = target.Row(y + sy);
        for (int sx = xStart; sx < xEnd; ++sx) {
            const std::uint8_t* p = from + sx * 3;
            if (keep(p)) std::copy(p, p + 3, to + (x + sx) * 3);
        }
    }
}

} // namespace

void DrawTransparent(TPixelBitmap& target, int x, int y, const TPixelBitmap& source, TColour key) {
    const auto blue = static_cast<std::uint8_t>(BlueOf(key));
    const auto green = static_cast<std::uint8_t>(GreenOf(key));
    const auto red = static_cast<std::uint8_t>(RedOf(key));
    Blit(target, x, y, source,
         [&](const std::uint8_t* p) { return !(p[0] == blue && p[1] == green && p[2] == red); });
}

void CopyBitmap(TPixelBitmap& target, int x, int y, const TPixelBitmap& source) {
    Blit(target, x, y, source, [](const std::uint8_t*) { return true; });
}

void CenterSkinFrame(TPixelBitmap& target, const TPixelRect& rect, const TSkinFrame& frame,
                     TKeyColour key) {
    if (rect.Inverted() || !frame.Strip) return;
    const TPixelBitmap piece = CropBitmap(*frame.Strip, FrameRect(frame, TStripAxis::Horizontal));
    const int left = rect.Left + (rect.Width() - piece.Width()) / 2;
    const int top = rect.Top + (rect.Height() - piece.Height()) / 2;
    if (key == TKeyColour::Transparent)
        DrawTransparent(target, left, top, piece);
    else
        CopyBitmap(target, left, top, piece);
}
