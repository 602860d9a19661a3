#include "core/bitmap_region.h"

#include <gtest/gtest.h>

namespace {

TEST(BitmapRegion, RunsOfNonKeyPixelsBecomeRowRectangles) {
    TPixelBitmap bitmap(5, 2, kKeyColour);
    bitmap.SetPixel(0, 0, kWhite);
    bitmap.SetPixel(2, 0, kWhite);
    bitmap.SetPixel(3, 0, kWhite);
    bitmap.FillRect(0, 1, 5, 2, kBlack);
    EXPECT_EQ(OpaqueRuns(bitmap, 10, 20, {}),
              (std::vector<TPixelRect>{{10, 20, 11, 21}, {12, 20, 14, 21}, {10, 21, 15, 22}}));
}

TEST(BitmapRegion, TolerancesWidenTheKeyUpwardOnly) {
    struct TCase {
        TColour Pixel;
        bool Transparent;
    };
    const TCase cases[] = {
        {MakeColour(255, 0, 255), true},  {MakeColour(255, 1, 255), true},
        {MakeColour(255, 2, 255), false}, {MakeColour(255, 0, 254), false},
        {MakeColour(254, 0, 255), false},
    };
    for (const TCase& c : cases) {
        const TPixelBitmap bitmap(1, 1, c.Pixel);
        EXPECT_EQ(OpaqueRuns(bitmap, 0, 0, {kKeyColour, 1, 1, 1}).empty(), c.Transparent)
            << std::hex << c.Pixel;
    }
    EXPECT_TRUE(OpaqueRuns(TPixelBitmap(40, 30, kKeyColour), 0, 0, {}).empty());
    EXPECT_TRUE(OpaqueRuns(TPixelBitmap(), 0, 0, {}).empty());
}

} // namespace
