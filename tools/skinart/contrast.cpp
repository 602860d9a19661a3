#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace skinart {
namespace {

double Linear(double channel) {
    const double c = std::clamp(channel, 0.0, 255.0) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(Rgb c) {
    return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

double ContrastRatio(Rgb a, Rgb b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double WorstContrast(Rgb text, const Image& image, int x0, int y0, int x1, int y1) {
    double worst = 1e9;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (!IsKey(image.At(x, y)))
                worst = std::min(worst, ContrastRatio(text, image.At(x, y)));
    return worst;
}

} // namespace skinart
