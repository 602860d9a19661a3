#pragma once
// Where the parts of a stored .bmp file lie (a bitmap kept in a form
// description), checked against the bytes before the platform builds a
// bitmap from them: the file header, a BITMAPINFOHEADER (or a larger
// header starting like one), the palette after it and the rows of pixels.
// Only what GDI takes directly is accepted: uncompressed, 1, 4, 8, 24 or 32
// bits a pixel, at most kMaxDibSide pixels a side. Every sum is 64-bit, so
// no size in the header can wrap in a 32-bit build.
#include <cstddef>
#include <cstdint>
#include <optional>

constexpr std::int32_t kMaxDibSide = 16384;
constexpr std::size_t kDibFileHeaderSize = 14;
constexpr std::size_t kDibInfoHeaderSize = 40;
constexpr std::size_t kDibPaletteEntrySize = 4;

struct TDibLayout {
    std::int32_t Width = 0;
    std::int32_t Height = 0; // rows; a negative height in the header means top-down
    int BitCount = 0;
    // The info header's first kDibInfoHeaderSize bytes are at
    // kDibFileHeaderSize; its declared size may be larger.
    std::size_t PaletteAt = 0;
    std::size_t PaletteEntries = 0;
    std::size_t PixelsAt = 0;
    std::size_t Stride = 0; // bytes a row, padded to 4
    std::size_t PixelBytes() const { return Stride * static_cast<std::size_t>(Height); }
};

// Nothing when the header is not one of those, or any part lies outside
// the `size` bytes.
std::optional<TDibLayout> CheckDibLayout(const std::uint8_t* data, std::size_t size);
