#include "core/skin_bars.h"

TPixelBitmap BuildSkinBar(int width, int height, const TSkinFrame& frame,
                          const TSkinMargins& margins, TStripAxis axis) {
    if (!frame.Strip) return {};
    TPixelBitmap bar(width, height);
    if (bar.Empty()) return bar;
    const TPixelBitmap& source = *frame.Strip;
    const int left = margins.Left, right = margins.Right;
    const TPixelRect f = FrameRect(frame, axis);
    const int fx = f.Left, fy = f.Top, fw = f.Width(), bottom = f.Bottom;
    StretchCopy(bar, {0, 0, left, height}, source, {fx, fy, fx + left, bottom});
    const int middle = fw - left - right;
    if (middle > 0)
        for (int x = left; x < width - right; x += middle)
            StretchCopy(bar, {x, 0, x + middle, height}, source,
                        {fx + left, fy, fx + left + middle, bottom});
    StretchCopy(bar, {width - right, 0, width, height}, source,
                {fx + fw - right, fy, fx + fw, bottom});
    return bar;
}

TPixelBitmap BuildStretchedSkinBar(int width, int height, const TSkinFrame& frame,
                                   const TSkinMargins& margins, TStripAxis axis) {
    if (!frame.Strip) return {};
    TPixelBitmap bar(width, height);
    if (bar.Empty()) return bar;
    const TPixelBitmap& source = *frame.Strip;
    const int left = margins.Left, right = margins.Right;
    const TPixelRect f = FrameRect(frame, axis);
    const int fx = f.Left, fw = f.Width();
    if (fw > width) {
        StretchCopy(bar, {0, 0, width, height}, source, f);
        return bar;
    }
    StretchCopy(bar, {0, 0, left, height}, source, {fx, f.Top, fx + left, f.Bottom});
    StretchCopy(bar, {left, 0, width - right, height}, source,
                {fx + left, f.Top, fx + fw - right, f.Bottom});
    StretchCopy(bar, {width - right, 0, width, height}, source,
                {fx + fw - right, f.Top, fx + fw, f.Bottom});
    return bar;
}

TPixelBitmap BuildStretchedFrame(int width, int height, const TSkinFrame& frame) {
    if (!frame.Strip) return {};
    TPixelBitmap piece(width, height);
    StretchCopy(piece, {0, 0, width, height}, *frame.Strip,
                FrameRect(frame, TStripAxis::Horizontal));
    return piece;
}
