#include "core/skin_bars.h"

#include "core/nine_slice.h"

TPixelBitmap BuildSkinBar(int width, int height, const TPixelBitmap& source, int left, int right,
                          int frameIndex, int frameCount, bool vertical) {
    TPixelBitmap bar(width, height);
    if (bar.Empty()) return bar;
    const TPixelRect f = FrameRect(source, frameCount, frameIndex, vertical);
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

TPixelBitmap BuildStretchedSkinBar(int width, int height, const TPixelBitmap& source, int left,
                                   int right, int frameIndex, int frameCount, bool vertical) {
    TPixelBitmap bar(width, height);
    if (bar.Empty()) return bar;
    const TPixelRect f = FrameRect(source, frameCount, frameIndex, vertical);
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

TPixelBitmap BuildStretchedFrame(int width, int height, const TPixelBitmap& source, int frameIndex,
                                 int frameCount) {
    TPixelBitmap frame(width, height);
    StretchCopy(frame, {0, 0, width, height}, source,
                FrameRect(source, frameCount, frameIndex, false));
    return frame;
}
