#pragma once
// Writes a pixel image as an uncompressed 24-bit bottom-up BMP file (for the
// skin author's tools and for test fixtures).

#include "core/pixel_bitmap.h"

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> EncodeBmp24(const TPixelBitmap& bitmap);
