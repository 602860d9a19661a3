#include "plate.h"

namespace skinart {

void DrawPlate(Image& image, const Shape& shape, const PlateLook& look) {
    Fill(image, shape, Gradient(0, image.Height(), look.top, look.bottom));
    Fill(image, Outline(shape, 1), look.border);
}

Image PlateFrame(int width, int height, double radius, const PlateLook& look, Rgb backdrop) {
    Image image(width, height, backdrop);
    const Shape shape = RoundRect(0, 0, width, height, radius);
    DrawPlate(image, shape, look);
    KeyOutside(image, shape);
    return image;
}

} // namespace skinart
