#pragma once
// Builds small BMP files byte by byte for the decoder and loader tests.

#include "core/bmp_writer.h"
#include "core/pixel_bitmap.h"

#include <cstdint>
#include <vector>

struct TBmpFixture {
    std::int32_t Width = 1;
    std::int32_t Height = 1; // negative: top-down
    int BitCount = 24;
    std::uint32_t Compression = 0;
    std::vector<TColour> Palette;     // written as blue, green, red, 0
    std::vector<std::uint32_t> Masks; // written after the info header
    std::vector<std::uint8_t> Pixels; // exactly as stored

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> out;
        const auto u16 = [&out](std::uint32_t v) {
            out.push_back(static_cast<std::uint8_t>(v));
            out.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        const auto u32 = [&u16](std::uint32_t v) {
            u16(v & 0xFFFF);
            u16(v >> 16);
        };
        const std::uint32_t offset =
            static_cast<std::uint32_t>(14 + 40 + Masks.size() * 4 + Palette.size() * 4);
        out.push_back('B');
        out.push_back('M');
        u32(offset + static_cast<std::uint32_t>(Pixels.size()));
        u32(0);
        u32(offset);
        u32(40);
        u32(static_cast<std::uint32_t>(Width));
        u32(static_cast<std::uint32_t>(Height));
        u16(1);
        u16(static_cast<std::uint32_t>(BitCount));
        u32(Compression);
        u32(static_cast<std::uint32_t>(Pixels.size()));
        u32(0);
        u32(0);
        u32(static_cast<std::uint32_t>(Palette.size()));
        u32(0);
        for (std::uint32_t mask : Masks)
            u32(mask);
        for (TColour c : Palette) {
            out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
            out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
            out.push_back(static_cast<std::uint8_t>(RedOf(c)));
            out.push_back(0);
        }
        out.insert(out.end(), Pixels.begin(), Pixels.end());
        return out;
    }
};

// A width x height image whose pixel (x, y) is a colour unique to it.
inline TPixelBitmap PatternBitmap(int width, int height) {
    TPixelBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y, MakeColour(10 + x, 20 + y, 30 + x * y));
    return bitmap;
}
