// The drawing primitives on a real device context: frames of strips, the
// nine-slice margins, tiling, bars, the key colour and the scratch bitmap.
#include "draw_fixture.h"
#include "engine/scratch_bitmap.h"
#include "engine/skin_draw.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

// Ten columns, three frames of three: the tenth column belongs to no frame.
const TPixelBitmap kStrip = Picture({"rrrgggbbbw", "rrrgggbbbw"});
const TPixelBitmap kStackedStrip = Picture({"rr", "rr", "gg", "gg", "bb", "bb", "ww"});

} // namespace

TEST(DrawSkinRect, DrawsOnlyTheChosenFrameOfTheStrip) {
    struct Case {
        bool vertical;
        int frame;
        char colour;
    };
    for (const Case c : {Case{false, 1, 'r'}, Case{false, 2, 'g'}, Case{false, 3, 'b'},
                         Case{true, 1, 'r'}, Case{true, 2, 'g'}, Case{true, 3, 'b'}}) {
        SCOPED_TRACE(testing::Message() << "vertical " << c.vertical << " frame " << c.frame);
        TTarget t(8, 6);
        DrawSkinRect(t.DC(), {1, 1, 7, 5}, {c.vertical ? &kStackedStrip : &kStrip, c.frame, 3}, {},
                     c.vertical ? TStripAxis::Vertical : TStripAxis::Horizontal,
                     TCentreFill::Stretch, TKeyColour::Opaque);
        EXPECT_EQ(t.Row(0), "........");
        for (int y = 1; y < 5; ++y)
            EXPECT_EQ(t.Row(y), "." + std::string(6, c.colour) + ".");
        EXPECT_EQ(t.Row(5), "........");
    }
}

TEST(DrawSkinRect, MarginsCollapseWhenTheTargetIsSmallerThanThem) {
    // Left margin r (4), centre g (2), right margin b (4); rows likewise.
    const TPixelBitmap frame = Picture({"rrrrggbbbb"});
    const TPixelBitmap tall = Picture({"r", "r", "r", "r", "g", "g", "b", "b", "b", "b"});
    struct Case {
        int size;
        const char* expected;
    };
    // 6 < 4 + 4: the whole frame is stretched (source = x * 10 / 6).
    for (const Case c : {Case{6, "rrrgbb"}, Case{8, "rrrrbbbb"}, Case{12, "rrrrggggbbbb"}}) {
        SCOPED_TRACE(c.size);
        TTarget wide(c.size, 2);
        DrawSkinRect(wide.DC(), {0, 0, c.size, 2}, {&frame}, {4, 0, 4, 0}, TStripAxis::Horizontal,
                     TCentreFill::Stretch, TKeyColour::Opaque);
        EXPECT_EQ(wide.Row(1), c.expected);
        TTarget high(2, c.size);
        DrawSkinRect(high.DC(), {0, 0, 2, c.size}, {&tall}, {0, 4, 0, 4}, TStripAxis::Horizontal,
                     TCentreFill::Stretch, TKeyColour::Opaque);
        EXPECT_EQ(high.Column(1), c.expected);
    }
}

TEST(DrawSkinRect, TiledCentreOverrunIsCoveredByTheRightEdge) {
    // Left 2 (r), a ten-pixel centre starting with one y column, right 3 (b).
    const TPixelBitmap frame = Picture({"rrygggggggggbbb"});
    TTarget t(30, 1);
    DrawSkinRect(t.DC(), {0, 0, 30, 1}, {&frame}, {2, 0, 3, 0}, TStripAxis::Horizontal,
                 TCentreFill::Tile, TKeyColour::Opaque);
    // Centre of 25 pixels: tiles at 2, 12 and 22, the third cut at 27.
    EXPECT_EQ(t.Row(0), "rr"
                        "yggggggggg"
                        "yggggggggg"
                        "yggggbbb");
    TTarget stretched(30, 1);
    DrawSkinRect(stretched.DC(), {0, 0, 30, 1}, {&frame}, {2, 0, 3, 0}, TStripAxis::Horizontal,
                 TCentreFill::Stretch, TKeyColour::Opaque);
    EXPECT_EQ(stretched.Row(0), "rryyy" + std::string(22, 'g') + "bbb");
}

TEST(TileBitmap, RepeatsFromTheTopLeftAndRunsPastTheDestination) {
    const TPixelBitmap source = Picture({"wwww", "wrgw", "wbyw"});
    TTarget t(8, 4);
    TileBitmap(t.DC(), {1, 0, 6, 3}, source, {1, 1, 3, 3});
    EXPECT_EQ(t.Row(0), ".rgrgrg.");
    EXPECT_EQ(t.Row(1), ".bybyby.");
    EXPECT_EQ(t.Row(2), ".rgrgrg.");
    EXPECT_EQ(t.Row(3), ".bybyby.");
    TTarget untouched(4, 4);
    TileBitmap(untouched.DC(), {0, 0, 4, 4}, source, {1, 1, 1, 3});
    EXPECT_EQ(untouched.Row(0), "....");
}

TEST(DrawTransparent, LeavesExactlyTheKeyColourUndrawnOnEveryPath) {
    // Black matters too: the masked images hold black under their masks.
    TPixelBitmap source(6, 1);
    source.SetPixel(0, 0, MakeColour(255, 0, 255));
    source.SetPixel(1, 0, MakeColour(254, 0, 255));
    source.SetPixel(2, 0, MakeColour(255, 1, 255));
    source.SetPixel(3, 0, MakeColour(255, 0, 254));
    source.SetPixel(4, 0, MakeColour(0, 0, 0));
    source.SetPixel(5, 0, MakeColour(255, 0, 255));
    const RECT dest{1, 0, 7, 1};
    const std::pair<const char*, std::function<void(HDC)>> paths[] = {
        {"MaskBlt",
         [&](HDC dc) {
             DrawTransparent(dc, dest, source, kSkinKeyColour, TTransparentBlit::MaskBlt);
         }},
        {"XorAndXor",
         [&](HDC dc) {
             DrawTransparent(dc, dest, source, kSkinKeyColour, TTransparentBlit::XorAndXor);
         }},
        {"DrawMasked",
         [&](HDC dc) { DrawMasked(dc, 1, 0, MaskedStretchedFrame(6, 1, {&source})); }},
    };
    for (const auto& [name, draw] : paths) {
        SCOPED_TRACE(name);
        TTarget t(8, 1);
        SetBkColor(t.DC(), RGB(1, 2, 3));
        SetTextColor(t.DC(), RGB(4, 5, 6));
        draw(t.DC());
        EXPECT_EQ(t.bitmap.Pixel(0, 0), Letter('.'));
        EXPECT_EQ(t.bitmap.Pixel(1, 0), Letter('.'));
        EXPECT_EQ(t.bitmap.Pixel(2, 0), RGB(254, 0, 255));
        EXPECT_EQ(t.bitmap.Pixel(3, 0), RGB(255, 1, 255));
        EXPECT_EQ(t.bitmap.Pixel(4, 0), RGB(255, 0, 254));
        EXPECT_EQ(t.bitmap.Pixel(5, 0), RGB(0, 0, 0));
        EXPECT_EQ(t.bitmap.Pixel(6, 0), Letter('.'));
        EXPECT_EQ(t.bitmap.Pixel(7, 0), Letter('.'));
        // The target's colours are what they were.
        EXPECT_EQ(GetBkColor(t.DC()), RGB(1, 2, 3));
        EXPECT_EQ(GetTextColor(t.DC()), RGB(4, 5, 6));
    }
}

TEST(DrawTransparent, EveryTransparentRoutineKeepsTheBackgroundUnderTheKey) {
    const TPixelBitmap strip = Picture({"MrrMMggM", "rrrrgggg"});
    const TSkinFrame first{&strip, 1, 2};
    using Draw = std::function<void(HDC)>;
    struct Case {
        const char* name;
        Draw draw;
    };
    const Case cases[] = {
        {"DrawSkinRect",
         [&](HDC dc) {
             DrawSkinRect(dc, {0, 0, 4, 2}, first, {}, TStripAxis::Horizontal, TCentreFill::Stretch,
                          TKeyColour::Transparent);
         }},
        {"StretchSkinFrame",
         [&](HDC dc) {
             StretchSkinFrame(dc, {0, 0, 4, 2}, first, TKeyColour::Transparent);
         }},
        {"CenterSkinFrame",
         [&](HDC dc) {
             CenterSkinFrame(dc, {0, 0, 4, 2}, first, TKeyColour::Transparent);
         }},
        {"DrawSkinBar",
         [&](HDC dc) {
             DrawSkinBar(dc, {0, 0, 4, 2}, first, {1, 0, 1, 0}, TStripAxis::Horizontal,
                         TKeyColour::Transparent);
         }},
        {"MaskedStretchedFrame",
         [&](HDC dc) { DrawMasked(dc, 0, 0, MaskedStretchedFrame(4, 2, first)); }},
        {"MaskedSkinBar",
         [&](HDC dc) {
             DrawMasked(dc, 0, 0, MaskedSkinBar(4, 2, first, {1, 0, 1, 0}, TStripAxis::Horizontal));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTarget t(4, 2);
        c.draw(t.DC());
        EXPECT_EQ(t.Row(0), ".rr.");
        EXPECT_EQ(t.Row(1), "rrrr");
    }
}

TEST(SkinDrawing, InvertedRectanglesAndNullStripsDrawNothing) {
    const TPixelBitmap strip = Picture({"rrgg", "rrgg"});
    const TSkinFrame first{&strip, 1, 2}, none{nullptr, 1, 2};
    struct Case {
        const char* name;
        RECT rect;
        TSkinFrame frame;
    };
    for (const Case& c :
         {Case{"backwards", {5, 1, 2, 4}, first}, Case{"upside down", {1, 4, 5, 1}, first},
          Case{"null strip", {1, 1, 5, 4}, none}}) {
        SCOPED_TRACE(c.name);
        const RECT& r = c.rect;
        TTarget t(6, 6);
        DrawSkinRect(t.DC(), r, c.frame, {}, TStripAxis::Horizontal, TCentreFill::Stretch,
                     TKeyColour::Opaque);
        StretchSkinBar(t.DC(), r, c.frame, {1, 0, 1, 0}, TStripAxis::Horizontal);
        StretchSkinFrame(t.DC(), r, c.frame, TKeyColour::Opaque);
        CenterSkinFrame(t.DC(), r, c.frame, TKeyColour::Opaque);
        DrawSkinBar(t.DC(), r, c.frame, {1, 0, 1, 0}, TStripAxis::Horizontal, TKeyColour::Opaque);
        if (c.frame.Strip) DrawTransparent(t.DC(), r, strip); // it takes no frame
        EXPECT_EQ(BuildSkinBitmap(r, c.frame, {}, TStripAxis::Horizontal, TCentreFill::Stretch),
                  nullptr);
        for (int y = 0; y < 6; ++y)
            EXPECT_EQ(t.Row(y), "......");
    }
    EXPECT_EQ(MaskedStretchedFrame(4, 2, none).Bitmap, nullptr);
    EXPECT_EQ(MaskedSkinBar(4, 2, none, {1, 0, 1, 0}, TStripAxis::Horizontal).Bitmap, nullptr);
}

TEST(SkinDrawing, SizesBeyondAnyWindowAreRefusedAndHugeTilesCostOnlyWhatShows) {
    const TPixelBitmap strip = Picture({"rrgg", "rrgg"});
    const RECT huge{0, 0, 100000, 100000};
    TTarget t(6, 2);
    const TSkinFrame first{&strip, 1, 2};
    DrawSkinRect(t.DC(), huge, first, {}, TStripAxis::Horizontal, TCentreFill::Stretch,
                 TKeyColour::Opaque);
    StretchSkinBar(t.DC(), huge, first, {1, 0, 1, 0}, TStripAxis::Horizontal);
    StretchSkinFrame(t.DC(), huge, first, TKeyColour::Opaque);
    DrawSkinBar(t.DC(), huge, first, {1, 0, 1, 0}, TStripAxis::Horizontal, TKeyColour::Opaque);
    EXPECT_EQ(BuildSkinBitmap(huge, first, {}, TStripAxis::Horizontal, TCentreFill::Stretch),
              nullptr);
    EXPECT_EQ(t.Row(0), "......");
    // A billion tiles a side: only those on the target are drawn, still on
    // the grid that starts at the destination's odd left edge.
    const TPixelBitmap pair = Picture({"rg"});
    TileBitmap(t.DC(), {-1000000001, -1000000000, 1000000000, 1000000000}, pair, {0, 0, 2, 1});
    EXPECT_EQ(t.Row(0), "grgrgr");
    EXPECT_EQ(t.Row(1), "grgrgr");
}

TEST(BuildSkinBitmap, HoldsTheNineSlicedFrameAtTheDestinationSize) {
    const TPixelBitmap frame = Picture({"rgb", "gyg", "bgr"});
    const auto built = BuildSkinBitmap({10, 20, 15, 24}, {&frame}, {1, 1, 1, 1},
                                       TStripAxis::Horizontal, TCentreFill::Stretch);
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->Width(), 5);
    EXPECT_EQ(built->Height(), 4);
    const auto row = [&](int y) {
        std::string s;
        for (int x = 0; x < 5; ++x)
            s += TTarget::Name(built->Pixel(x, y));
        return s;
    };
    EXPECT_EQ(row(0), "rgggb");
    EXPECT_EQ(row(1), "gyyyg");
    EXPECT_EQ(row(2), "gyyyg");
    EXPECT_EQ(row(3), "bgggr");
}

TEST(SkinBars, CapsKeepTheirWidthAndNarrowTargetsTakeTheWholeFrame) {
    // Two frames of six: caps r and b, middle g y g y.
    const TPixelBitmap strip = Picture({"rgygyb"
                                        "cccccc"});
    const TSkinFrame first{&strip, 1, 2};
    TTarget tiled(12, 1);
    DrawSkinBar(tiled.DC(), {0, 0, 12, 1}, first, {1, 0, 1, 0}, TStripAxis::Horizontal,
                TKeyColour::Opaque);
    EXPECT_EQ(tiled.Row(0), "rgygygygygyb");
    TTarget stretched(10, 1);
    StretchSkinBar(stretched.DC(), {0, 0, 10, 1}, first, {1, 0, 1, 0}, TStripAxis::Horizontal);
    EXPECT_EQ(stretched.Row(0), "rggyyggyyb");
    TTarget narrow(3, 1);
    StretchSkinBar(narrow.DC(), {0, 0, 3, 1}, first, {1, 0, 1, 0}, TStripAxis::Horizontal);
    EXPECT_EQ(narrow.Row(0), "ryy"); // x * 6 / 3 of the whole frame
}

TEST(CenterSkinFrame, PlacesTheFrameUnscaledInTheMiddle) {
    const TPixelBitmap strip = Picture({"rrgg", "rrgg"});
    TTarget t(7, 5);
    CenterSkinFrame(t.DC(), {0, 0, 7, 5}, {&strip, 2, 2}, TKeyColour::Opaque);
    EXPECT_EQ(t.Row(0), ".......");
    EXPECT_EQ(t.Row(1), "..gg...");
    EXPECT_EQ(t.Row(2), "..gg...");
    EXPECT_EQ(t.Row(3), ".......");
}

TEST(ScratchBitmap, LivesWhileItHasUsers) {
    EXPECT_EQ(ScratchBitmap(), nullptr);
    {
        TScratchBitmapUse first;
        TBitmap* shared = ScratchBitmap();
        ASSERT_NE(shared, nullptr);
        EXPECT_EQ(GetStretchBltMode(shared->DC()), COLORONCOLOR);
        {
            TScratchBitmapUse second;
            EXPECT_EQ(ScratchBitmap(), shared);
            EXPECT_EQ(ScratchBitmapUsers(), 2);
        }
        EXPECT_EQ(ScratchBitmap(), shared);
        // Growing keeps the stretch mode; asking for less keeps the size.
        ASSERT_EQ(ScratchBitmapAtLeast(40, 10), shared);
        EXPECT_EQ(GetStretchBltMode(shared->DC()), COLORONCOLOR);
        ASSERT_EQ(ScratchBitmapAtLeast(5, 30), shared);
        EXPECT_EQ(shared->Width(), 40);
        EXPECT_EQ(shared->Height(), 30);
    }
    EXPECT_EQ(ScratchBitmap(), nullptr);
    EXPECT_EQ(ScratchBitmapAtLeast(4, 4), nullptr);
    EXPECT_EQ(ScratchBitmapUsers(), 0);
}
