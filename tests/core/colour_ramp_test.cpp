#include "core/assertion_failed.h"
#include "core/colour_maths.h"
#include "core/colour_ramp.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(ColourMaths, MixColorsWeightsArePercentOrPerMille) {
    struct TCase {
        TColour A, B;
        int Weight;
        TColour Expected;
    };
    const TCase cases[] = {
        {MakeColour(200, 0, 0), MakeColour(0, 0, 0), 99, MakeColour(198, 0, 0)},
        {MakeColour(200, 0, 0), MakeColour(0, 0, 0), 100, MakeColour(20, 0, 0)},
        {MakeColour(255, 255, 255), MakeColour(0, 100, 0), 150, MakeColour(38, 123, 38)},
        {MakeColour(10, 20, 30), MakeColour(50, 60, 70), 0, MakeColour(50, 60, 70)},
        {MakeColour(10, 20, 30), MakeColour(50, 60, 70), 1000, MakeColour(10, 20, 30)},
        {MakeColour(1, 0, 0), MakeColour(0, 0, 0), 50, MakeColour(1, 0, 0)}, // rounds half up
        {SystemColour(15), kWhite, 50, MakeColour(234, 232, 228)},           // classic face
    };
    for (const TCase& c : cases)
        EXPECT_EQ(MixColors(c.A, c.B, c.Weight), c.Expected) << "weight " << c.Weight;
}

TEST(ColourMaths, ColourStrengthMeasuresSaturationOfBrightColours) {
    EXPECT_EQ(ColourStrength(MakeColour(255, 0, 0)), 255);
    EXPECT_EQ(ColourStrength(MakeColour(128, 128, 128)), 200);
    EXPECT_EQ(ColourStrength(MakeColour(159, 0, 0)), 200);
    EXPECT_EQ(ColourStrength(kWhite), 0);
    EXPECT_EQ(ColourStrength(MakeColour(160, 80, 80)), 128);   // 0.5 * 255 = 127.5, to even
    EXPECT_EQ(ColourStrength(MakeColour(200, 150, 100)), 128); // 0.5 again
    EXPECT_EQ(ColourStrength(MakeColour(236, 233, 216)), 22);
}

TEST(ColourRamp, EntriesFollowTheIntegerRamp) {
    struct TCase {
        int N;
        TColour A, B;
        std::vector<TColour> Expected;
    };
    const TCase cases[] = {
        {1, kBlack, kWhite, {MakeColour(127, 127, 127)}},
        {1, kWhite, kBlack, {MakeColour(128, 128, 128)}},
        {2,
         MakeColour(0, 10, 20),
         MakeColour(100, 10, 0),
         {MakeColour(0, 10, 20), MakeColour(100, 10, 0)}},
        {3, kBlack, MakeColour(10, 0, 0), {kBlack, MakeColour(5, 0, 0), MakeColour(10, 0, 0)}},
        // Falling channels truncate toward zero: entries round toward the start.
        {3,
         MakeColour(10, 0, 0),
         kBlack,
         {MakeColour(10, 0, 0), MakeColour(6, 0, 0), MakeColour(1, 0, 0)}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ComputeColourRamp(c.N, c.A, c.B), c.Expected) << c.N;
}

// The message names the unit and line of the look-up or the computation,
// as the report of the failure reads.
TEST(ColourRamp, NonPositiveLengthIsAnAssertionNamingTheUnitAndLine) {
    struct TCase {
        std::function<void()> Call;
        const char* Report;
    };
    TRampCache cache;
    const TCase cases[] = {
        {[] { ComputeColourRamp(0, kBlack, kWhite); },
         "Assertion failure (source\\imgutil, line 321)"},
        {[&cache] { cache.Ramp(-1, kBlack, kWhite); },
         "Assertion failure (source\\imgutil, line 302)"},
    };
    for (const TCase& c : cases) {
        try {
            c.Call();
            ADD_FAILURE() << "no assertion";
        } catch (const EAssertionFailed& e) {
            EXPECT_STREQ(e.what(), c.Report);
        }
    }
}

TEST(ColourRamp, CacheHoldsSixteenRampsAndReusesThem) {
    TRampCache cache;
    const TColourRamp* first = &cache.Ramp(10, kBlack, kWhite);
    EXPECT_EQ(&cache.Ramp(10, kBlack, kWhite), first);
    // A falling ramp is found again too, although its last entry is not `b`.
    const TColourRamp* falling = &cache.Ramp(3, MakeColour(10, 0, 0), kBlack);
    EXPECT_EQ(&cache.Ramp(3, MakeColour(10, 0, 0), kBlack), falling);
    for (int n = 1; n <= 14; ++n)
        cache.Ramp(100 + n, kBlack, kWhite);
    EXPECT_EQ(&cache.Ramp(10, kBlack, kWhite), first) << "sixteen slots: still cached";
    cache.Ramp(200, kBlack, kWhite); // the seventeenth ramp reuses the first slot
    const TColourRamp& again = cache.Ramp(10, kBlack, kWhite);
    EXPECT_EQ(again, ComputeColourRamp(10, kBlack, kWhite));
}

TEST(ColourRamp, VisibleStepsAreCutByTheClip) {
    struct TCase {
        int Start, End, ClipStart, ClipEnd, First, Last;
    };
    const TCase cases[] = {
        {0, 10, 0, 100, 0, 9},  {5, 15, 0, 10, 0, 4}, {-3, 7, 0, 10, 3, 9},
        {0, 10, 20, 30, 20, 9}, {0, 0, 0, 10, 0, -1}, {4, 6, 5, 6, 1, 1},
    };
    for (const TCase& c : cases) {
        const TGradientSteps steps = VisibleGradientSteps(c.Start, c.End, c.ClipStart, c.ClipEnd);
        if (c.Last < c.First) {
            EXPECT_TRUE(steps.Empty());
        } else {
            EXPECT_EQ(steps.First, c.First);
            EXPECT_EQ(steps.Last, c.Last);
        }
    }
}

TEST(ColourRamp, ClippedGradientPaintsTheSameColoursAsAnUnclippedOne) {
    const TColour from = MakeColour(0, 50, 200), to = MakeColour(250, 60, 0);
    for (bool vertical : {true, false}) {
        TPixelBitmap whole(30, 30, kKeyColour);
        GradientFill(whole, {0, 0, 30, 30}, from, vertical, to);
        // The same 30-step gradient with its first 10 steps off the image.
        TPixelBitmap part(20, 20, kKeyColour);
        const TPixelRect shifted =
            vertical ? TPixelRect{0, -10, 20, 20} : TPixelRect{-10, 0, 20, 20};
        GradientFill(part, shifted, from, vertical, to);
        for (int i = 0; i < 20; ++i) {
            const int x = vertical ? 0 : i, y = vertical ? i : 0;
            EXPECT_EQ(part.Pixel(x, y),
                      whole.Pixel(x + (vertical ? 0 : 10), y + (vertical ? 10 : 0)))
                << (vertical ? "row " : "column ") << i;
        }
        EXPECT_EQ(whole.Pixel(0, 0), from);
    }
}

} // namespace
