// The stored form bitmap's header check on arbitrary bytes: whatever it
// accepts, the palette and every row of pixels (as long as the platform
// takes a row of that width and depth to be) lie inside the data, which is
// all the platform is then handed.
#include "core/dib_layout.h"

#include <cstddef>
#include <cstdint>

namespace {

// Reads every byte of [at, at + count) so that a part outside the data shows.
unsigned Touch(const std::uint8_t* data, std::size_t at, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i)
        sum += data[at + i];
    return sum;
}

// Bytes a row as GDI counts them: whole 32-bit words.
std::uint64_t RowBytes(const TDibLayout& layout) {
    return (std::uint64_t(layout.Width) * std::uint64_t(layout.BitCount) + 31) / 32 * 4;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<TDibLayout> layout = CheckDibLayout(data, size);
    if (!layout) return 0;
    const std::size_t paletteBytes = layout->PaletteEntries * kDibPaletteEntrySize;
    if (layout->Width <= 0 || layout->Height <= 0 || layout->Stride != RowBytes(*layout) ||
        layout->PaletteAt < kDibFileHeaderSize + kDibInfoHeaderSize ||
        layout->PixelsAt < layout->PaletteAt ||
        layout->PixelsAt - layout->PaletteAt < paletteBytes || layout->PixelsAt > size ||
        size - layout->PixelsAt < layout->PixelBytes())
        __builtin_trap();
    unsigned sum = Touch(data, kDibFileHeaderSize, kDibInfoHeaderSize);
    sum += Touch(data, layout->PaletteAt, paletteBytes);
    sum += Touch(data, layout->PixelsAt, layout->PixelBytes());
    return static_cast<int>(sum & 0);
}
