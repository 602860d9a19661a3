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

// Supports 1, 4, 8, 16, 24 and 32 bits per pixel, BI_RGB and BI_BITFIELDS,
// bottom-up and top-down rows, and RLE8/RLE4 compression.
TPixelBitmap DecodeBmp(const std::uint8_t* data, std::size_t size);
inline TPixelBitmap DecodeBmp(const std::vector<std::uint8_t>& bytes) {
    return DecodeBmp(bytes.data(), bytes.size());
}
