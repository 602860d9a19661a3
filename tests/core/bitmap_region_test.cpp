#include "core/bitmap_region.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Images drawn as text: '.' is the key colour, a letter its own grey.
TPixelBitmap FromRows(const std::vector<std::string>& rows) {
    TPixelBitmap bitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const char c = rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
            bitmap.SetPixel(x, y, c == '.' ? kKeyColour : MakeColour(c, c, c));
        }
    return bitmap;
}

std::vector<std::string> ToRows(const TPixelBitmap& bitmap) {
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColour c = bitmap.Pixel(x, y);
            row += c == kKeyColour ? '.' : static_cast<char>(RedOf(c));
        }
        rows.push_back(row);
    }
    return rows;
}

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

TEST(BitmapRegion, FillingCutOutPixelsTakesTheNearestKeptOne) {
    struct TCase {
        const char* Name;
        std::vector<std::string> Before, After;
    };
    const TCase cases[] = {
        {"rounded top corners", {"..ab..", ".abcd.", "abcdef"}, {"aaabbb", "aabcdd", "abcdef"}},
        {"ties go left", {"a.b"}, {"aab"}},
        {"rows of key only copy the row above", {"ab", "..", "cd", ".."}, {"ab", "ab", "cd", "cd"}},
        {"leading rows of key copy the first kept row", {"..", "..", "xy"}, {"xy", "xy", "xy"}},
        {"nothing kept stays", {"...", "..."}, {"...", "..."}},
        {"nothing cut out stays", {"abc"}, {"abc"}},
    };
    for (const TCase& c : cases) {
        TPixelBitmap bitmap = FromRows(c.Before);
        FillTransparentPixels(bitmap, {kKeyColour, 1, 1, 1});
        EXPECT_EQ(ToRows(bitmap), c.After) << c.Name;
    }
}

TEST(BitmapRegion, FilledPixelsAreThoseTheRegionLeavesOut) {
    // Within the tolerance a pixel is filled; just outside it is kept as is.
    TPixelBitmap bitmap(3, 1);
    bitmap.SetPixel(0, 0, MakeColour(9, 9, 9));
    bitmap.SetPixel(1, 0, MakeColour(255, 1, 255));
    bitmap.SetPixel(2, 0, MakeColour(255, 2, 255));
    FillTransparentPixels(bitmap, {kKeyColour, 1, 1, 1});
    EXPECT_EQ(bitmap.Pixel(1, 0), MakeColour(9, 9, 9));
    EXPECT_EQ(bitmap.Pixel(2, 0), MakeColour(255, 2, 255));
    TPixelBitmap empty;
    FillTransparentPixels(empty, {});
    EXPECT_TRUE(empty.Empty());
}

} // namespace
