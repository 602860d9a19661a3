// Every primitive frees what it makes: with the GDI
// handle table nearly full, many calls still leave the same room.
#include "draw_fixture.h"
#include "engine/region_from_bitmap.h"
#include "engine/scratch_bitmap.h"
#include "engine/skin_draw.h"

#include "support/gdi_handles.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SkinDrawing, LeavesNoGdiObjectsBehind) {
    const TPixelBitmap strip = Picture({"MrgbMrgbMy", "rrggbbMMyy", "MrgbMrgbMy"});
    const TSkinFrame first{&strip, 1, 2}, second{&strip, 2, 2};
    TTarget t(40, 30);
    const auto drawAll = [&] {
        DrawSkinRect(t.DC(), {1, 1, 30, 20}, second, {1, 1, 1, 1}, TStripAxis::Horizontal,
                     TCentreFill::Tile, TKeyColour::Transparent);
        DrawSkinRect(t.DC(), {1, 1, 30, 20}, first, {1, 1, 1, 1}, TStripAxis::Vertical,
                     TCentreFill::Stretch, TKeyColour::Opaque);
        DrawSkinBar(t.DC(), {0, 0, 33, 5}, first, {1, 0, 1, 0}, TStripAxis::Horizontal,
                    TKeyColour::Transparent);
        StretchSkinBar(t.DC(), {0, 0, 33, 5}, first, {1, 0, 1, 0}, TStripAxis::Horizontal);
        StretchSkinFrame(t.DC(), {0, 0, 9, 9}, second, TKeyColour::Transparent);
        CenterSkinFrame(t.DC(), {0, 0, 9, 9}, second, TKeyColour::Transparent);
        TileBitmap(t.DC(), {0, 0, 20, 20}, strip, {0, 0, 3, 2});
        DrawTransparent(t.DC(), {0, 0, 10, 3}, strip, kSkinKeyColour, TTransparentBlit::XorAndXor);
        (void)BuildSkinBitmap({0, 0, 12, 12}, first, {2, 1, 2, 1}, TStripAxis::Horizontal,
                              TCentreFill::Stretch);
        (void)CreateRegionFromBitmap(strip, 0, 0, 0, 0, 0);
        TScratchBitmapUse scratch;
    };
    drawAll(); // first calls may set up lasting system state
    THandleFiller filler(100);
    ASSERT_TRUE(RoomFor(50));
    for (int i = 0; i < 200; ++i)
        drawAll();
    EXPECT_TRUE(RoomFor(50));
    TTarget still(4, 4);
    DrawSkinRect(still.DC(), {0, 0, 4, 4}, first, {}, TStripAxis::Horizontal, TCentreFill::Stretch,
                 TKeyColour::Opaque);
    EXPECT_EQ(still.Row(0), "Mrgb");
}
