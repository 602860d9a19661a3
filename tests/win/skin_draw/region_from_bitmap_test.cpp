// Window regions from skin images: the key colour and its tolerances, the
// offsets, and shapes large enough to need several batches.
#include "draw_fixture.h"
#include "engine/region_from_bitmap.h"

#include <gtest/gtest.h>

namespace {

std::string RegionRow(HRGN region, int y, int from, int to) {
    std::string out;
    for (int x = from; x < to; ++x)
        out += PtInRegion(region, x, y) ? '#' : '.';
    return out;
}

} // namespace

TEST(CreateRegionFromBitmap, AllKeyBitmapGivesAnEmptyRegion) {
    const TPixelBitmap blank = Picture({"MMMM", "MMMM"});
    const TRegionHandle region = CreateRegionFromBitmap(blank, 0, 0, 0, 0, 0);
    ASSERT_TRUE(region);
    RECT box;
    EXPECT_EQ(GetRgnBox(region.Get(), &box), NULLREGION);
}

TEST(CreateRegionFromBitmap, RoundedCornersAreLeftOutAtTheOffset) {
    const TPixelBitmap rounded = Picture({
        "MMrrrrMM",
        "Mrrrrrrr",
        "rrrrrrrr",
        "rrrrrrrM",
        "MMrrrMMM",
    });
    const TRegionHandle region = CreateRegionFromBitmap(rounded, 10, 20, 0, 0, 0);
    ASSERT_TRUE(region);
    EXPECT_EQ(RegionRow(region.Get(), 20, 10, 18), "..####..");
    EXPECT_EQ(RegionRow(region.Get(), 21, 10, 18), ".#######");
    EXPECT_EQ(RegionRow(region.Get(), 22, 10, 18), "########");
    EXPECT_EQ(RegionRow(region.Get(), 23, 10, 18), "#######.");
    EXPECT_EQ(RegionRow(region.Get(), 24, 10, 18), "..###...");
    RECT box;
    ASSERT_EQ(GetRgnBox(region.Get(), &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 20);
    EXPECT_EQ(box.right, 18);
    EXPECT_EQ(box.bottom, 25);
}

TEST(CreateRegionFromBitmap, TolerancesWidenTheKeyUpwardOnly) {
    struct Case {
        TColour pixel;
        bool opaque;
    };
    const Case cases[] = {
        {MakeColour(255, 0, 255), false}, {MakeColour(255, 1, 255), false},
        {MakeColour(255, 2, 255), true},  {MakeColour(255, 0, 254), true},
        {MakeColour(254, 0, 255), true},  {MakeColour(0, 0, 0), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.pixel);
        TPixelBitmap one(1, 1, c.pixel);
        const TRegionHandle region = CreateRegionFromBitmap(one, 0, 0, 1, 1, 1);
        ASSERT_TRUE(region);
        EXPECT_EQ(PtInRegion(region.Get(), 0, 0) != FALSE, c.opaque);
    }
}

TEST(CreateRegionFromBitmap, ShapesOfManyRunsComeThroughWhole) {
    // A checkerboard of single pixels: 60 runs a row, 3600 in all, so the
    // rectangles reach the system in more than one batch.
    TPixelBitmap board(120, 60, kKeyColour);
    for (int y = 0; y < board.Height(); ++y)
        for (int x = (y % 2); x < board.Width(); x += 2)
            board.SetPixel(x, y, kBlack);
    const TRegionHandle region = CreateRegionFromBitmap(board, -3, 5, 0, 0, 0);
    ASSERT_TRUE(region);
    int wrong = 0;
    for (int y = 0; y < board.Height(); ++y)
        for (int x = 0; x < board.Width(); ++x)
            if ((PtInRegion(region.Get(), x - 3, y + 5) != FALSE) != ((x + y) % 2 == 0)) ++wrong;
    EXPECT_EQ(wrong, 0);
}
