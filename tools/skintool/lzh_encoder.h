// The compressing side of the skin LZH coding. Only the skin tool compresses;
// the program itself carries the decoder alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The bit stream alone (no size header).
std::vector<std::uint8_t> LzhCompress(const std::uint8_t* data, std::size_t size);

// A skin file image: signed 32-bit little-endian size, then the bit stream.
std::vector<std::uint8_t> LzhCompressImage(const std::vector<std::uint8_t>& data);
