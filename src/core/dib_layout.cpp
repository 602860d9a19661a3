#include "core/dib_layout.h"

#include "core/little_endian.h"

namespace {

constexpr std::uint32_t kBiRgb = 0;

bool SupportedBitCount(int bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24 || bpp == 32;
}

} // namespace

std::optional<TDibLayout> CheckDibLayout(const std::uint8_t* data, std::size_t size) {
    if (size < kDibFileHeaderSize + kDibInfoHeaderSize || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const std::uint8_t* info = data + kDibFileHeaderSize;
    const std::uint32_t infoSize = ReadU32(info);
    const std::int32_t width = ReadI32(info + 4);
    const std::int32_t height = ReadI32(info + 8);
    TDibLayout layout;
    layout.BitCount = static_cast<int>(ReadU16(info + 14));
    if (infoSize < kDibInfoHeaderSize || width <= 0 || width > kMaxDibSide || height == 0 ||
        height > kMaxDibSide || height < -kMaxDibSide)
        return std::nullopt;
    if (ReadU32(info + 16) != kBiRgb || ReadU16(info + 12) != 1 ||
        !SupportedBitCount(layout.BitCount))
        return std::nullopt;
    const std::uint32_t coloursUsed = ReadU32(info + 32);
    const std::uint64_t colours =
        layout.BitCount <= 8 ? (coloursUsed ? coloursUsed : 1u << layout.BitCount) : 0;
    if (colours > 256) return std::nullopt;

    // The declared header size is checked against the data before anything
    // is added to it.
    const std::uint64_t total = size;
    if (infoSize > total - kDibFileHeaderSize) return std::nullopt;
    const std::uint64_t paletteAt = kDibFileHeaderSize + std::uint64_t{infoSize};
    const std::uint64_t headerEnd = paletteAt + colours * kDibPaletteEntrySize;
    const std::uint64_t pixelsAt = ReadU32(data + 10);
    const std::uint64_t rows =
        static_cast<std::uint64_t>(height < 0 ? -std::int64_t{height} : height);
    const std::uint64_t stride = ((std::uint64_t(width) * layout.BitCount + 31) / 32) * 4;
    if (headerEnd > total || pixelsAt < headerEnd || pixelsAt > total ||
        total - pixelsAt < stride * rows)
        return std::nullopt;

    layout.Width = width;
    layout.Height = static_cast<std::int32_t>(rows);
    layout.PaletteAt = static_cast<std::size_t>(paletteAt);
    layout.PaletteEntries = static_cast<std::size_t>(colours);
    layout.PixelsAt = static_cast<std::size_t>(pixelsAt);
    layout.Stride = static_cast<std::size_t>(stride);
    return layout;
}
