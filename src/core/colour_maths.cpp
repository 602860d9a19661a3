#include "core/colour_maths.h"

#include "core/platform_facts.h"

#include <algorithm>
#include <cmath>

TColour MixColors(TColour colour1, TColour colour2, int weight) {
    const TColour a = ColourToRGB(colour1);
    const TColour b = ColourToRGB(colour2);
    const int scale = weight < 100 ? 100 : 1000;
    // Weights outside 0..scale would leave the channel range; clamp instead.
    const auto mix = [&](int x, int y) {
        return std::clamp((x * weight + y * (scale - weight) + scale / 2) / scale, 0, 255);
    };
    return MakeColour(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)),
                      mix(BlueOf(a), BlueOf(b)));
}

int ColourStrength(TColour colour) {
    const TColour rgb = ColourToRGB(colour);
    const int r = RedOf(rgb), g = GreenOf(rgb), b = BlueOf(rgb);
    const int high = std::max({r, g, b});
    const int low = std::min({r, g, b});
    if (high <= 159) return 200;
    const double saturation = static_cast<double>(high - low) / high;
    return static_cast<int>(std::nearbyint(saturation * 255.0));
}
