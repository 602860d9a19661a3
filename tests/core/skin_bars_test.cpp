#include "core/skin_bars.h"

#include <gtest/gtest.h>

namespace {

// Two 6 x 2 frames: left cap colour 1 (x 0..1), middle 2 then 3 (x 2, 3),
// right cap 4 (x 4..5); the second frame the same plus 10.
TPixelBitmap BarStrip() {
    TPixelBitmap strip(12, 2);
    for (int frame = 0; frame < 2; ++frame) {
        const int base = frame * 6, shift = frame * 10;
        strip.FillRect(base, 0, base + 2, 2, 1 + shift);
        strip.FillRect(base + 2, 0, base + 3, 2, 2 + shift);
        strip.FillRect(base + 3, 0, base + 4, 2, 3 + shift);
        strip.FillRect(base + 4, 0, base + 6, 2, 4 + shift);
    }
    return strip;
}

// The two-pixel caps of BarStrip's frames.
TSkinMargins Caps() {
    return {2, 0, 2, 0};
}

std::vector<TColour> Row(const TPixelBitmap& bitmap, int y) {
    std::vector<TColour> row;
    for (int x = 0; x < bitmap.Width(); ++x)
        row.push_back(bitmap.Pixel(x, y));
    return row;
}

TEST(SkinBars, TiledBarRepeatsTheMiddleAndEndsWithTheRightCap) {
    const TPixelBitmap strip = BarStrip();
    const TPixelBitmap bar = BuildSkinBar(9, 3, {&strip, 2, 2}, Caps(), TStripAxis::Horizontal);
    EXPECT_EQ(Row(bar, 2), (std::vector<TColour>{11, 11, 12, 13, 12, 13, 12, 14, 14}));
}

TEST(SkinBars, StretchedBarStretchesTheMiddleOrTheWholeNarrowFrame) {
    const TPixelBitmap strip = BarStrip();
    const TSkinFrame first{&strip, 1, 2};
    EXPECT_EQ(Row(BuildStretchedSkinBar(10, 1, first, Caps(), TStripAxis::Horizontal), 0),
              (std::vector<TColour>{1, 1, 2, 2, 2, 3, 3, 3, 4, 4}));
    EXPECT_EQ(Row(BuildStretchedSkinBar(3, 1, first, Caps(), TStripAxis::Horizontal), 0),
              (std::vector<TColour>{1, 2, 4}));
}

TEST(SkinBars, StretchedFrameTakesOnlyItsFrame) {
    const TPixelBitmap strip = BarStrip();
    const TPixelBitmap frame = BuildStretchedFrame(3, 4, {&strip, 2, 2});
    EXPECT_EQ(Row(frame, 3), (std::vector<TColour>{11, 12, 14}));
}

TEST(SkinBars, ANullStripGivesAnEmptyImage) {
    const TSkinFrame none{nullptr, 1, 1};
    EXPECT_TRUE(BuildSkinBar(9, 3, none, Caps(), TStripAxis::Horizontal).Empty());
    EXPECT_TRUE(BuildStretchedSkinBar(9, 3, none, Caps(), TStripAxis::Horizontal).Empty());
    EXPECT_TRUE(BuildStretchedFrame(9, 3, none).Empty());
}

} // namespace
