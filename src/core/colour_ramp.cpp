#include "core/colour_ramp.h"

#include "core/assertion_failed.h"
#include "core/platform_facts.h"

#include <algorithm>

namespace {

constexpr const char* kUnit = "source\\imgutil";

int Channel(TColour colour, int index) {
    return index == 0 ? RedOf(colour) : index == 1 ? GreenOf(colour) : BlueOf(colour);
}

} // namespace

TColourRamp ComputeColourRamp(int n, TColour a, TColour b) {
    if (n <= 0) throw EAssertionFailed("Assertion failure", kUnit, 321);
    TColourRamp ramp(static_cast<std::size_t>(n));
    int channels[3][2];
    for (int c = 0; c < 3; ++c) {
        channels[c][0] = Channel(a, c);
        channels[c][1] = Channel(b, c) - Channel(a, c);
    }
    const int m = n - 1;
    const int half = m / 2;
    for (int i = 0; i < n; ++i) {
        int value[3];
        for (int c = 0; c < 3; ++c) {
            const int delta = channels[c][1];
            const long long step =
                n == 1 ? delta / 2 : (half + static_cast<long long>(i) * delta) / m;
            value[c] = channels[c][0] + static_cast<int>(step);
        }
        ramp[static_cast<std::size_t>(i)] = MakeColour(value[0], value[1], value[2]);
    }
    return ramp;
}

const TColourRamp& TRampCache::Ramp(int n, TColour a, TColour b) {
    if (n <= 0) throw EAssertionFailed("Assertion failure", kUnit, 302);
    // Keyed by the arguments rather than by the ramp's end entries: a falling
    // ramp's last entry can differ from `b` by the rounding, which would make
    // it miss every time.
    for (int i = kSlots - 1; i >= 0; --i) {
        const TSlot& slot = slots_[static_cast<std::size_t>(i)];
        if (slot.Steps == n && slot.From == a && slot.To == b) return slot.Colours;
    }
    TSlot& slot = slots_[static_cast<std::size_t>(next_)];
    slot.Colours = ComputeColourRamp(n, a, b);
    slot.Steps = n;
    slot.From = a;
    slot.To = b;
    next_ = (next_ + 1) % kSlots;
    return slot.Colours;
}

TRampCache& RampCache() {
    static TRampCache cache;
    return cache;
}

TGradientSteps VisibleGradientSteps(int start, int end, int clipStart, int clipEnd) {
    TGradientSteps steps;
    const int n = end - start;
    if (n <= 0) return steps;
    steps.First = std::max(0, clipStart - start);
    steps.Last = std::min(n - 1, clipEnd - start - 1);
    return steps;
}

void GradientFill(TPixelBitmap& bitmap, const TPixelRect& rect, TColour from, bool vertical,
                  TColour to) {
    const int n = vertical ? rect.Height() : rect.Width();
    if (n <= 0 || rect.Inverted()) return;
    const TGradientSteps steps =
        vertical ? VisibleGradientSteps(rect.Top, rect.Bottom, 0, bitmap.Height())
                 : VisibleGradientSteps(rect.Left, rect.Right, 0, bitmap.Width());
    if (steps.Empty()) return;
    const TColourRamp& ramp = RampCache().Ramp(n, ColourToRGB(from), ColourToRGB(to));
    for (int i = steps.First; i <= steps.Last; ++i) {
        const TColour colour = ramp[static_cast<std::size_t>(i)];
        if (vertical)
            bitmap.FillRect(rect.Left, rect.Top + i, rect.Right, rect.Top + i + 1, colour);
        else
            bitmap.FillRect(rect.Left + i, rect.Top, rect.Left + i + 1, rect.Bottom, colour);
    }
}
