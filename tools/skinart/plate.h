// The rounded, gradient-filled, outlined plate that push buttons, caption
// and toolbar states, up-down buttons and thumbs are made of.
#pragma once

#include "image.h"
#include "shapes.h"

namespace skinart {

struct PlateLook {
    Rgb border, top, bottom;
};

// Paints the plate onto the picture (whose pixels are the backdrop).
void DrawPlate(Image& image, const Shape& shape, const PlateLook& look);
// A frame of the given size: the plate on the backdrop, untouched pixels keyed.
Image PlateFrame(int width, int height, double radius, const PlateLook& look, Rgb backdrop);

} // namespace skinart
