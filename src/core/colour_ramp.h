#pragma once
// Colour ramps for gradient fills, with the small cache that keeps the
// often repainted gradients (the toolbar background) from being recomputed.

#include "core/colour.h"
#include "core/pixel_bitmap.h"

#include <array>
#include <vector>

using TColourRamp = std::vector<TColour>;

// n entries from a to b (direct colours). n must be positive: otherwise
// EAssertionFailed "Assertion failure".
TColourRamp ComputeColourRamp(int n, TColour a, TColour b);

// Sixteen ramps, overwritten in turn.
class TRampCache {
public:
    static constexpr int kSlots = 16;

    // The cached ramp for (n, a, b), computed into the next slot on a miss.
    // The reference stays valid until sixteen further misses.
    const TColourRamp& Ramp(int n, TColour a, TColour b);

private:
    struct TSlot {
        int Steps = 0;
        TColour From = 0;
        TColour To = 0;
        TColourRamp Colours;
    };
    std::array<TSlot, kSlots> slots_;
    int next_ = 0;
};

// The process-wide cache.
TRampCache& RampCache();

// The steps of an n-step gradient over [start, end) along one axis that lie
// inside the clip interval [clipStart, clipEnd): First..Last inclusive, empty
// when Last < First.
struct TGradientSteps {
    int First = 0;
    int Last = -1;
    bool Empty() const { return Last < First; }
};
TGradientSteps VisibleGradientSteps(int start, int end, int clipStart, int clipEnd);

// Fills `rect` of the bitmap with a one-pixel-step ramp from `from` to `to`,
// top to bottom when `vertical`, else left to right; only the part inside
// the bitmap is painted, with the colours an unclipped fill gives it.
void GradientFill(TPixelBitmap& bitmap, const TPixelRect& rect, TColour from, bool vertical,
                  TColour to);
