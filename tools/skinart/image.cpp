#include "image.h"

#include <algorithm>

namespace skinart {

const Rgb kKey{255, 0, 255};

Rgb Hex(unsigned value) {
    return Rgb{double((value >> 16) & 0xFF), double((value >> 8) & 0xFF), double(value & 0xFF)};
}

Rgb Mix(Rgb from, Rgb to, double amount) {
    return Rgb{from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount,
               from.b + (to.b - from.b) * amount};
}

bool IsKey(Rgb c) {
    return c.r > 254.5 && c.g < 0.5 && c.b > 254.5;
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Image::Blend(int x, int y, Rgb c, double alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    Rgb& p = At(x, y);
    p = Mix(p, c, std::min(alpha, 1.0));
}

void Image::FillRect(int x0, int y0, int x1, int y1, Rgb c) {
    for (int y = std::max(y0, 0); y < std::min(y1, height_); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, width_); ++x)
            At(x, y) = c;
}

void Image::VerticalGradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom) {
    const int span = std::max(1, y1 - y0 - 1);
    for (int y = y0; y < y1; ++y)
        FillRect(x0, y, x1, y + 1, Mix(top, bottom, double(y - y0) / span));
}

void Image::Paste(const Image& source, int x, int y) {
    for (int sy = 0; sy < source.Height(); ++sy)
        for (int sx = 0; sx < source.Width(); ++sx) {
            const int tx = x + sx, ty = y + sy;
            if (tx >= 0 && ty >= 0 && tx < width_ && ty < height_) At(tx, ty) = source.At(sx, sy);
        }
}

Image Image::Crop(int x0, int y0, int x1, int y1) const {
    Image out(x1 - x0, y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            out.At(x - x0, y - y0) = At(x, y);
    return out;
}

Image HorizontalStrip(const std::vector<Image>& frames) {
    if (frames.empty()) return Image();
    Image strip(frames.front().Width() * int(frames.size()), frames.front().Height());
    for (size_t i = 0; i < frames.size(); ++i)
        strip.Paste(frames[i], int(i) * frames[i].Width(), 0);
    return strip;
}

Image VerticalStrip(const std::vector<Image>& frames) {
    if (frames.empty()) return Image();
    Image strip(frames.front().Width(), frames.front().Height() * int(frames.size()));
    for (size_t i = 0; i < frames.size(); ++i)
        strip.Paste(frames[i], 0, int(i) * frames[i].Height());
    return strip;
}

} // namespace skinart
