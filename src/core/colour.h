#pragma once
// Colour values as the skins and the toolkit use them: 0x00BBGGRR for a
// direct colour, 0xFF0000nn (a negative 32-bit value) for system colour nn.

#include <cstdint>

using TColour = std::int32_t;

// The transparent key colour of every skin image; never read from a bitmap.
constexpr TColour kKeyColour = 0x00FF00FF;
constexpr TColour kWhite = 0x00FFFFFF;
constexpr TColour kBlack = 0x00000000;

constexpr TColour MakeColour(int red, int green, int blue) {
    return static_cast<TColour>((static_cast<std::uint32_t>(red) & 0xFF) |
                                ((static_cast<std::uint32_t>(green) & 0xFF) << 8) |
                                ((static_cast<std::uint32_t>(blue) & 0xFF) << 16));
}

constexpr int RedOf(TColour colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(TColour colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int BlueOf(TColour colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}

constexpr bool IsSystemColour(TColour colour) {
    return colour < 0;
}
constexpr TColour SystemColour(int index) {
    return static_cast<TColour>(0xFF000000u | (static_cast<std::uint32_t>(index) & 0xFF));
}
