#pragma once
// A 24-bit pixel image: rows top-down, 3 bytes per pixel in the order blue,
// green, red, rows packed without padding. Every skin image lives in one.

#include "core/colour.h"

#include <cstdint>
#include <vector>

// A rectangle in pixels, right and bottom exclusive.
struct TPixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Inverted() const { return Right < Left || Bottom < Top; }
    bool operator==(const TPixelRect& o) const {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

class TPixelBitmap {
public:
    TPixelBitmap() = default;
    // A width x height image filled with `fill`; a non-positive side, or a
    // size beyond kMaxPixelBytes, gives an empty image.
    static constexpr std::uint64_t kMaxPixelBytes = std::uint64_t(1) << 30;
    TPixelBitmap(int width, int height, TColour fill = kBlack);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    void Clear();

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint8_t* Row(int y) { return pixels_.data() + RowOffset(y); }
    const std::uint8_t* Row(int y) const { return pixels_.data() + RowOffset(y); }

    // Direct 0x00BBGGRR colour; black outside the image.
    TColour Pixel(int x, int y) const;
    // Ignored outside the image.
    void SetPixel(int x, int y, TColour colour);

    void Fill(TColour colour);
    // Fills [left, right) x [top, bottom), clipped to the image.
    void FillRect(int left, int top, int right, int bottom, TColour colour);

    bool operator==(const TPixelBitmap& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }
    bool operator!=(const TPixelBitmap& other) const { return !(*this == other); }

private:
    std::size_t RowOffset(int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) * 3;
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};
