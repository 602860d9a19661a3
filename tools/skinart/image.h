// A small floating-point RGB raster: the canvas every skin picture is painted on.
#pragma once

#include <string>
#include <vector>

namespace skinart {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// 0xRRGGBB, the way colours are written in the palettes.
Rgb Hex(unsigned value);
Rgb Mix(Rgb from, Rgb to, double amount);
bool IsKey(Rgb c);

// The colour that marks transparent pixels in every skin picture.
extern const Rgb kKey;

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill = Rgb{});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }

    Rgb& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Rgb& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    // Blends c over the pixel with the given opacity (0..1).
    void Blend(int x, int y, Rgb c, double alpha);

    void FillRect(int x0, int y0, int x1, int y1, Rgb c);
    void VerticalGradient(int x0, int y0, int x1, int y1, Rgb top, Rgb bottom);
    void Paste(const Image& source, int x, int y);
    Image Crop(int x0, int y0, int x1, int y1) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// Frames laid side by side (horizontal strip) or stacked (vertical strip).
Image HorizontalStrip(const std::vector<Image>& frames);
Image VerticalStrip(const std::vector<Image>& frames);

} // namespace skinart
