#include "bmp_fixture.h"

#include "core/image_utils.h"
#include "core/platform_facts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TMoveCase {
    const char* Name;
    std::function<void(TPixelBitmap&)> Transform;
    int NewWidth;
    int NewHeight;
    // Where old pixel (x, y) of a W x H image lands.
    std::function<std::pair<int, int>(int x, int y, int w, int h)> Target;
};

TEST(ImageUtils, PixelsMoveWhereEachTransformSays) {
    constexpr int w = 4, h = 3;
    const std::vector<TMoveCase> cases = {
        {"mirror", MirrorBitmap, w, h,
         [](int x, int y, int w, int) { return std::make_pair(w - 1 - x, y); }},
        {"flip", FlipBitmap, w, h,
         [](int x, int y, int, int h) { return std::make_pair(x, h - 1 - y); }},
        {"rotate left", RotateLeft, h, w,
         [](int x, int y, int w, int) { return std::make_pair(y, w - 1 - x); }},
        {"rotate right", RotateRight, h, w,
         [](int x, int y, int, int h) { return std::make_pair(h - 1 - y, x); }},
    };
    const TPixelBitmap original = PatternBitmap(w, h);
    for (const TMoveCase& c : cases) {
        TPixelBitmap bitmap = original;
        c.Transform(bitmap);
        ASSERT_EQ(bitmap.Width(), c.NewWidth) << c.Name;
        ASSERT_EQ(bitmap.Height(), c.NewHeight) << c.Name;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const auto to = c.Target(x, y, w, h);
                EXPECT_EQ(bitmap.Pixel(to.first, to.second), original.Pixel(x, y))
                    << c.Name << " at " << x << "," << y;
            }
    }
}

TEST(ImageUtils, TransformsOfAnEmptyImageStayEmpty) {
    for (auto transform : {MirrorBitmap, FlipBitmap, RotateLeft, RotateRight, GrayscaleBitmap}) {
        TPixelBitmap bitmap;
        transform(bitmap);
        EXPECT_TRUE(bitmap.Empty());
    }
}

TEST(ImageUtils, GrayscaleAveragesTheChannelsWithTruncation) {
    TPixelBitmap bitmap(2, 1);
    bitmap.SetPixel(0, 0, MakeColour(10, 20, 31));
    bitmap.SetPixel(1, 0, MakeColour(255, 255, 254));
    GrayscaleBitmap(bitmap);
    EXPECT_EQ(bitmap.Pixel(0, 0), MakeColour(20, 20, 20));
    EXPECT_EQ(bitmap.Pixel(1, 0), MakeColour(254, 254, 254));
}

TEST(ImageUtils, ReplaceKeyColourTouchesOnlyExactMagenta) {
    TPixelBitmap bitmap(4, 1);
    bitmap.SetPixel(0, 0, MakeColour(255, 0, 255));
    bitmap.SetPixel(1, 0, MakeColour(255, 1, 255));
    bitmap.SetPixel(2, 0, MakeColour(254, 0, 255));
    bitmap.SetPixel(3, 0, MakeColour(255, 0, 254));
    ReplaceKeyColour(bitmap, MakeColour(1, 2, 3));
    EXPECT_EQ(bitmap.Pixel(0, 0), MakeColour(1, 2, 3));
    EXPECT_EQ(bitmap.Pixel(1, 0), MakeColour(255, 1, 255));
    EXPECT_EQ(bitmap.Pixel(2, 0), MakeColour(254, 0, 255));
    EXPECT_EQ(bitmap.Pixel(3, 0), MakeColour(255, 0, 254));
}

class TFixedFacts : public TPlatformFacts {
public:
    TColour SysColour(int index) const override { return MakeColour(index, 100, 200); }
    int SystemMetric(int) const override { return 20; }
};

TEST(ImageUtils, SystemColoursResolveThroughThePlatformProvider) {
    EXPECT_EQ(ColourToRGB(SystemColour(15)), MakeColour(212, 208, 200)); // classic button face
    TFixedFacts facts;
    SetPlatformFacts(&facts);
    TPixelBitmap bitmap(1, 1, kKeyColour);
    ReplaceKeyColour(bitmap, SystemColour(15));
    EXPECT_EQ(bitmap.Pixel(0, 0), MakeColour(15, 100, 200));
    SetPlatformFacts(nullptr);
    EXPECT_EQ(ColourToRGB(MakeColour(1, 2, 3)), MakeColour(1, 2, 3));
}

} // namespace
