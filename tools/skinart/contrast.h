// WCAG 2 contrast between text and background colours.
#pragma once

#include "image.h"

namespace skinart {

double RelativeLuminance(Rgb c);
double ContrastRatio(Rgb a, Rgb b);
// The lowest ratio between text and any pixel of the region of a picture.
double WorstContrast(Rgb text, const Image& image, int x0, int y0, int x1, int y1);

constexpr double kMinimumTextContrast = 4.5;

} // namespace skinart
