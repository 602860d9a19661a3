#include "core/image_utils.h"

#include "core/platform_facts.h"

#include <algorithm>
#include <utility>

namespace {

void CopyPixel(const std::uint8_t* from, std::uint8_t* to) {
    to[0] = from[0];
    to[1] = from[1];
    to[2] = from[2];
}

// Builds the turned image: `source(x, y)` of the new image maps to an old pixel.
template <typename Map> void Rotate(TPixelBitmap& bitmap, Map oldPixelOf) {
    const int width = bitmap.Height();
    const int height = bitmap.Width();
    TPixelBitmap turned(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = turned.Row(y);
        for (int x = 0; x < width; ++x) {
            const auto from = oldPixelOf(x, y);
            CopyPixel(bitmap.Row(from.second) + from.first * 3, row + x * 3);
        }
    }
    bitmap = std::move(turned);
}

} // namespace

void GrayscaleBitmap(TPixelBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
            const auto grey = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
            p[0] = p[1] = p[2] = grey;
        }
    }
}

void ReplaceKeyColour(TPixelBitmap& bitmap, TColour colour) {
    const TColour rgb = ColourToRGB(colour);
    const std::uint8_t replacement[3] = {static_cast<std::uint8_t>(BlueOf(rgb)),
                                         static_cast<std::uint8_t>(GreenOf(rgb)),
                                         static_cast<std::uint8_t>(RedOf(rgb))};
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* p = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x, p += 3)
            if (p[0] == 255 && p[1] == 0 && p[2] == 255) CopyPixel(replacement, p);
    }
}

void MirrorBitmap(TPixelBitmap& bitmap) {
    const int width = bitmap.Width();
    TPixelBitmap mirrored(width, bitmap.Height());
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint8_t* from = bitmap.Row(y);
        std::uint8_t* to = mirrored.Row(y);
        for (int x = 0; x < width; ++x)
            CopyPixel(from + x * 3, to + (width - 1 - x) * 3);
    }
    bitmap = std::move(mirrored);
}

void FlipBitmap(TPixelBitmap& bitmap) {
    const int height = bitmap.Height();
    TPixelBitmap flipped(bitmap.Width(), height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = bitmap.Row(y);
        std::copy(from, from + bitmap.Width() * 3, flipped.Row(height - 1 - y));
    }
    bitmap = std::move(flipped);
}

void RotateLeft(TPixelBitmap& bitmap) {
    const int oldWidth = bitmap.Width();
    // New (x, y) = (oldY, oldWidth - 1 - oldX).
    Rotate(bitmap, [oldWidth](int x, int y) { return std::make_pair(oldWidth - 1 - y, x); });
}

void RotateRight(TPixelBitmap& bitmap) {
    const int oldHeight = bitmap.Height();
    // New (x, y) = (oldHeight - 1 - oldY, oldX).
    Rotate(bitmap, [oldHeight](int x, int y) { return std::make_pair(y, oldHeight - 1 - x); });
}
