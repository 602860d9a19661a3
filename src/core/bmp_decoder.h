#pragma once
// Decoding of Windows device-independent bitmap files (with their 14-byte
// file header) into 24-bit pixel images. Skin files come from anywhere, so
// every size, offset and palette reference is checked against the bytes
// actually present; anything unsupported or inconsistent gives an empty
// image rather than a partial read.

#include "core/pixel_bitmap.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Larger images are refused: no skin needs them and a hostile header must
// not make us allocate gigabytes (an RLE file of a few bytes can declare
// millions of pixels).
constexpr std::int64_t kMaxBmpPixels = std::int64_t{1} << 24;

// Supports 1, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB and BI_BITFIELDS,
// bottom-up and top-down rows, and RLE8/RLE4 compression. An image of more
// than `maxPixels` pixels (or kMaxBmpPixels) is refused before any pixel
// is allocated.
TPixelBitmap DecodeBmp(const std::uint8_t* data, std::size_t size,
                       std::int64_t maxPixels = kMaxBmpPixels);
inline TPixelBitmap DecodeBmp(const std::vector<std::uint8_t>& bytes,
                              std::int64_t maxPixels = kMaxBmpPixels) {
    return DecodeBmp(bytes.data(), bytes.size(), maxPixels);
}
