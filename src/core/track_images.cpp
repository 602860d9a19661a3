#include "core/track_images.h"

namespace {

// Shadow on the outer top/left, highlight on the bottom/right: the classic
// sunken groove, lit from the top left.
constexpr TColour kGroove[4] = {MakeColour(128, 128, 128), MakeColour(64, 64, 64),
                                MakeColour(212, 208, 200), MakeColour(255, 255, 255)};

} // namespace

TPixelBitmap BuiltinTrackImage() {
    TPixelBitmap image(16, 4);
    for (int y = 0; y < 4; ++y)
        image.FillRect(0, y, 16, y + 1, kGroove[y]);
    image.SetPixel(0, 2, kGroove[0]);
    image.SetPixel(15, 1, kGroove[3]);
    return image;
}

TPixelBitmap BuiltinTrackVertImage() {
    const TPixelBitmap horizontal = BuiltinTrackImage();
    TPixelBitmap image(4, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 4; ++x)
            image.SetPixel(x, y, horizontal.Pixel(y, x));
    return image;
}
