#include "core/pixel_bitmap.h"

#include <algorithm>

TPixelBitmap::TPixelBitmap(int width, int height, TColour fill) {
    if (width <= 0 || height <= 0) return;
    // The byte count is worked out in 64 bits: on i686 a huge size would wrap
    // size_t and leave a buffer smaller than the pixels written into it.
    const std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 3;
    if (bytes > kMaxPixelBytes) return;
    width_ = width;
    height_ = height;
    pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    Fill(fill);
}

void TPixelBitmap::Clear() {
    width_ = 0;
    height_ = 0;
    pixels_.clear();
    pixels_.shrink_to_fit();
}

TColour TPixelBitmap::Pixel(int x, int y) const {
    if (!Contains(x, y)) return kBlack;
    const std::uint8_t* p = Row(y) + x * 3;
    return MakeColour(p[2], p[1], p[0]);
}

void TPixelBitmap::SetPixel(int x, int y, TColour colour) {
    if (!Contains(x, y)) return;
    std::uint8_t* p = Row(y) + x * 3;
    p[0] = static_cast<std::uint8_t>(BlueOf(colour));
    p[1] = static_cast<std::uint8_t>(GreenOf(colour));
    p[2] = static_cast<std::uint8_t>(RedOf(colour));
}

void TPixelBitmap::Fill(TColour colour) {
    FillRect(0, 0, width_, height_, colour);
}

void TPixelBitmap::FillRect(int left, int top, int right, int bottom, TColour colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, width_);
    bottom = std::min(bottom, height_);
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* p = Row(y) + left * 3;
        for (int x = left; x < right; ++x, p += 3) {
            p[0] = static_cast<std::uint8_t>(BlueOf(colour));
            p[1] = static_cast<std::uint8_t>(GreenOf(colour));
            p[2] = static_cast<std::uint8_t>(RedOf(colour));
        }
    }
}
