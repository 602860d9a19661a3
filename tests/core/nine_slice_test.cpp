#include "bmp_fixture.h"

#include "core/nine_slice.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A strip of `frames` frames, frame k (1-based) painted in colour k.
TPixelBitmap Strip(int frames, int frameWidth, int frameHeight, bool vertical) {
    TPixelBitmap strip(vertical ? frameWidth : frameWidth * frames,
                       vertical ? frameHeight * frames : frameHeight);
    for (int k = 0; k < frames; ++k) {
        if (vertical)
            strip.FillRect(0, k * frameHeight, frameWidth, (k + 1) * frameHeight, k + 1);
        else
            strip.FillRect(k * frameWidth, 0, (k + 1) * frameWidth, frameHeight, k + 1);
    }
    return strip;
}

TStripAxis Axis(bool vertical) {
    return vertical ? TStripAxis::Vertical : TStripAxis::Horizontal;
}

bool AllPixels(const TPixelBitmap& bitmap, TColour colour) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) != colour) return false;
    return true;
}

TEST(NineSlice, ChoosesTheFrameOfAHorizontalOrVerticalStrip) {
    for (bool vertical : {false, true}) {
        const TPixelBitmap strip = Strip(3, 5, 4, vertical);
        for (int k = 1; k <= 3; ++k) {
            const TPixelBitmap frame =
                BuildSkinBitmap(7, 9, {&strip, k, 3}, {}, Axis(vertical), TCentreFill::Stretch);
            EXPECT_TRUE(AllPixels(frame, k)) << (vertical ? "vertical " : "horizontal ") << k;
        }
    }
    const TPixelBitmap across = Strip(3, 5, 4, false), down = Strip(3, 5, 4, true);
    EXPECT_EQ(FrameRect({&across, 2, 3}, TStripAxis::Horizontal), (TPixelRect{5, 0, 10, 4}));
    EXPECT_EQ(FrameRect({&down, 2, 3}, TStripAxis::Vertical), (TPixelRect{0, 4, 5, 8}));
}

TEST(NineSlice, ACountBelowOneReadsAsOneFrame) {
    const TPixelBitmap across = Strip(3, 5, 4, false), down = Strip(3, 5, 4, true);
    struct TCase {
        int Count;
        TPixelRect Across, Down;
    };
    const TCase cases[] = {{3, {0, 0, 5, 4}, {0, 0, 5, 4}},
                           {1, {0, 0, 15, 4}, {0, 0, 5, 12}},
                           {0, {0, 0, 15, 4}, {0, 0, 5, 12}},
                           {-1, {0, 0, 15, 4}, {0, 0, 5, 12}},
                           {INT_MIN, {0, 0, 15, 4}, {0, 0, 5, 12}}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Count);
        EXPECT_EQ(FrameRect({&across, 1, c.Count}, TStripAxis::Horizontal), c.Across);
        EXPECT_EQ(FrameRect({&down, 1, c.Count}, TStripAxis::Vertical), c.Down);
        // The composer takes the same frame: its last column is frame 1's
        // for a count of 3, frame 3's when the whole strip is one frame.
        const TPixelBitmap whole = BuildSkinBitmap(15, 4, {&across, 1, c.Count}, {},
                                                   TStripAxis::Horizontal, TCentreFill::Stretch);
        EXPECT_EQ(whole.Pixel(14, 0), c.Count > 1 ? 1 : 3);
    }
}

TEST(NineSlice, ANullStripGivesNothing) {
    const TSkinFrame none{nullptr, 1, 1};
    EXPECT_TRUE(
        BuildSkinBitmap(5, 5, none, {}, TStripAxis::Horizontal, TCentreFill::Stretch).Empty());
    EXPECT_EQ(FrameRect(none, TStripAxis::Vertical), TPixelRect{});
    TPixelBitmap target(3, 3, kWhite);
    CenterSkinFrame(target, {0, 0, 3, 3}, none, TKeyColour::Opaque);
    EXPECT_TRUE(AllPixels(target, kWhite));
}

// A 6 x 6 frame whose margins (2 each side) and centre have distinct colours:
// left column 1, right 2, top row 3, bottom 4, corners 5..8, centre 9.
TPixelBitmap Framed() {
    TPixelBitmap b(6, 6, 9);
    b.FillRect(0, 0, 2, 6, 1);
    b.FillRect(4, 0, 6, 6, 2);
    b.FillRect(2, 0, 4, 2, 3);
    b.FillRect(2, 4, 4, 6, 4);
    b.FillRect(0, 0, 2, 2, 5);
    b.FillRect(4, 0, 6, 2, 6);
    b.FillRect(0, 4, 2, 6, 7);
    b.FillRect(4, 4, 6, 6, 8);
    return b;
}

// A single-frame image nine-sliced at width x height.
TPixelBitmap Nine(int width, int height, const TPixelBitmap& image, const TSkinMargins& margins,
                  TCentreFill fill) {
    return BuildSkinBitmap(width, height, {&image}, margins, TStripAxis::Horizontal, fill);
}

TEST(NineSlice, KeepsMarginsAndStretchesTheRest) {
    const TPixelBitmap result = Nine(20, 10, Framed(), {2, 2, 2, 2}, TCentreFill::Stretch);
    struct TProbe {
        int X, Y;
        TColour Colour;
    };
    const TProbe probes[] = {{0, 0, 5},  {19, 0, 6}, {0, 9, 7},  {19, 9, 8}, {1, 5, 1},
                             {18, 5, 2}, {10, 1, 3}, {10, 8, 4}, {10, 5, 9}, {2, 2, 9},
                             {17, 7, 9}, {2, 1, 3},  {17, 8, 4}, {1, 2, 1}};
    for (const TProbe& p : probes)
        EXPECT_EQ(result.Pixel(p.X, p.Y), p.Colour) << p.X << "," << p.Y;
}

TEST(NineSlice, MarginsWiderThanTheTargetCollapseOnThatAxis) {
    // 3 wide < 2 + 2: the whole frame width is stretched, heights still kept.
    const TPixelBitmap narrow = Nine(3, 10, Framed(), {2, 2, 2, 2}, TCentreFill::Stretch);
    EXPECT_EQ(narrow.Pixel(0, 0), 5);
    EXPECT_EQ(narrow.Pixel(1, 0), 3);
    EXPECT_EQ(narrow.Pixel(2, 0), 6);
    EXPECT_EQ(narrow.Pixel(1, 5), 9);
    const TPixelBitmap flat = Nine(10, 3, Framed(), {2, 2, 2, 2}, TCentreFill::Stretch);
    EXPECT_EQ(flat.Pixel(0, 0), 5);
    EXPECT_EQ(flat.Pixel(0, 1), 1);
    EXPECT_EQ(flat.Pixel(0, 2), 7);
}

TEST(NineSlice, TiledCentreRepeatsAndTheEdgesCoverTheOverrun) {
    // A 1-pixel margin left and right, a 10-pixel centre with a marker in its
    // first column; a 25-pixel centre shows tiles at 1, 11 and 21, the third
    // cut by the right edge at 26.
    TPixelBitmap source(12, 1, 9);
    source.SetPixel(0, 0, 1);
    source.SetPixel(1, 0, 3);
    source.SetPixel(11, 0, 2);
    const TPixelBitmap tiled = Nine(27, 1, source, {1, 0, 1, 0}, TCentreFill::Tile);
    for (int x : {1, 11, 21})
        EXPECT_EQ(tiled.Pixel(x, 0), 3) << x;
    for (int x : {2, 10, 12, 20, 22, 25})
        EXPECT_EQ(tiled.Pixel(x, 0), 9) << x;
    EXPECT_EQ(tiled.Pixel(26, 0), 2);
    EXPECT_EQ(tiled.Pixel(0, 0), 1);
}

TEST(NineSlice, DrawTransparentSkipsExactlyTheKeyColour) {
    TPixelBitmap source(3, 1);
    source.SetPixel(0, 0, kKeyColour);
    source.SetPixel(1, 0, MakeColour(254, 0, 255));
    source.SetPixel(2, 0, MakeColour(255, 0, 254));
    TPixelBitmap target(4, 2, kWhite);
    DrawTransparent(target, 1, 1, source);
    EXPECT_EQ(target.Pixel(1, 1), kWhite);
    EXPECT_EQ(target.Pixel(2, 1), MakeColour(254, 0, 255));
    EXPECT_EQ(target.Pixel(3, 1), MakeColour(255, 0, 254));
    EXPECT_EQ(target.Pixel(1, 0), kWhite);
    // Partly or wholly outside the target: clipped, never out of bounds.
    DrawTransparent(target, -2, -1, PatternBitmap(5, 5));
    DrawTransparent(target, 100, 100, PatternBitmap(5, 5));
    CopyBitmap(target, -7, 1, PatternBitmap(9, 9));
    EXPECT_EQ(target.Pixel(0, 1), PatternBitmap(9, 9).Pixel(7, 0));
}

TEST(NineSlice, CenterSkinFramePlacesTheFrameUnscaledInTheMiddle) {
    TPixelBitmap target(9, 7, kWhite);
    const TPixelBitmap strip = Strip(2, 3, 3, false);
    CenterSkinFrame(target, {0, 0, 9, 7}, {&strip, 2, 2}, TKeyColour::Opaque);
    EXPECT_EQ(target.Pixel(3, 2), 2);
    EXPECT_EQ(target.Pixel(5, 4), 2);
    EXPECT_EQ(target.Pixel(2, 2), kWhite);
    EXPECT_EQ(target.Pixel(6, 4), kWhite);
}

TEST(NineSlice, OddGeometryNeverReadsOrWritesOutOfBounds) {
    const TPixelBitmap source = PatternBitmap(7, 5);
    for (int frameIndex : {-3, 0, 1, 9})
        for (int count : {-1, 0, 1, 3, 50}) {
            const TPixelBitmap r =
                BuildSkinBitmap(11, 6, {&source, frameIndex, count}, {9, 9, 9, 9},
                                Axis(frameIndex % 2 == 0), TCentreFill::Tile);
            EXPECT_EQ(r.Width(), 11);
        }
    EXPECT_TRUE(Nine(0, 5, source, {}, TCentreFill::Stretch).Empty());
    EXPECT_TRUE(Nine(5, 5, TPixelBitmap(), {1, 1, 1, 1}, TCentreFill::Tile).Width() == 5);
}

} // namespace
