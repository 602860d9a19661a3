#include "bmp_fixture.h"

#include "core/dib_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <optional>
#include <tuple>

namespace {

using TBytes = std::vector<std::uint8_t>;

// A 2 x 1 bitmap of 8 bits a pixel with two palette entries: 54 bytes of
// headers, 8 of palette, one row of 4 bytes.
TBytes Paletted() {
    return TBmpFixture{2, 1, 8, 0, {MakeColour(255, 0, 0), MakeColour(0, 0, 255)}, {}, {1, 0, 0, 0}}
        .Bytes();
}

// The bytes with one header field changed.
template <class T> TBytes With(std::size_t at, T value, TBytes bytes = Paletted()) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
    return bytes;
}

// The bytes cut short, or with zeros added.
TBytes Resized(std::size_t size, TBytes bytes = Paletted()) {
    bytes.resize(size);
    return bytes;
}

// A version 4 info header (108 bytes) in front of the palette.
TBytes LargerHeader() {
    TBytes bytes = With<std::uint32_t>(14, 108);
    bytes.insert(bytes.begin() + 54, 108 - 40, 0);
    return With<std::uint32_t>(10, 62 + 68, bytes);
}

// Colours used left 0: the whole 256-entry palette must be there.
TBytes FullPalette() {
    return Resized(54 + 1024 + 4, With<std::uint32_t>(46, 0, With<std::uint32_t>(10, 54 + 1024)));
}

// Width, rows, bits, palette offset and entries, pixel offset, stride.
using TFields = std::tuple<int, int, int, std::size_t, std::size_t, std::size_t, std::size_t>;

std::optional<TFields> Fields(const TBytes& bytes) {
    const std::optional<TDibLayout> layout = CheckDibLayout(bytes.data(), bytes.size());
    if (!layout) return std::nullopt;
    return TFields{layout->Width,          layout->Height,   layout->BitCount, layout->PaletteAt,
                   layout->PaletteEntries, layout->PixelsAt, layout->Stride};
}

} // namespace

TEST(DibLayout, AcceptedFilesSayWhereEachPartLies) {
    const struct {
        const char* Name;
        TBytes Bytes;
        TFields Layout;
    } cases[] = {
        {"paletted", Paletted(), {2, 1, 8, 54, 2, 62, 4}},
        {"top-down", With<std::int32_t>(22, -1), {2, 1, 8, 54, 2, 62, 4}},
        {"larger header, palette after it", LargerHeader(), {2, 1, 8, 122, 2, 130, 4}},
        {"colours unset: the whole palette", FullPalette(), {2, 1, 8, 54, 256, 1078, 4}},
        {"24 bits, rows padded",
         TBmpFixture{3, 2, 24, 0, {}, {}, TBytes(24)}.Bytes(),
         {3, 2, 24, 54, 0, 54, 12}},
        {"1 bit, 33 pixels a row",
         TBmpFixture{33, 1, 1, 0, {0, 0}, {}, TBytes(8)}.Bytes(),
         {33, 1, 1, 54, 2, 62, 8}},
        {"pixels after a gap", With<std::uint32_t>(10, 64, Resized(68)), {2, 1, 8, 54, 2, 64, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Fields(c.Bytes), c.Layout);
    }
}

TEST(DibLayout, TruncatedOrOddHeadersAreRefused) {
    // 14 + header size + palette (8 bytes), summed in 32 bits, wraps to 20:
    // the palette would seem to end before the pixels.
    const std::uint32_t wrapsToTwenty = std::uint32_t(0) - 14 - 8 + 20;
    const struct {
        const char* Name;
        TBytes Bytes;
    } cases[] = {
        {"shorter than the two headers", Resized(53)},
        {"not BM", With<char>(1, 'A')},
        {"OS/2 core header", With<std::uint32_t>(14, 12)},
        {"header beyond the data", With<std::uint32_t>(14, 40 + 100)},
        {"header size wrapping with the palette", With<std::uint32_t>(14, wrapsToTwenty)},
        {"header size wrapping alone", With<std::uint32_t>(14, 0xFFFFFFF2u)},
        {"largest header size", With<std::uint32_t>(14, 0xFFFFFFFFu)},
        {"width 0", With<std::int32_t>(18, 0)},
        {"negative width", With<std::int32_t>(18, -2)},
        {"too wide", With<std::int32_t>(18, kMaxDibSide + 1)},
        {"height 0", With<std::int32_t>(22, 0)},
        {"too high", With<std::int32_t>(22, kMaxDibSide + 1)},
        {"too high, top-down", With<std::int32_t>(22, -kMaxDibSide - 1)},
        {"height INT_MIN", With<std::int32_t>(22, INT_MIN)},
        {"two planes", With<std::uint16_t>(26, 2)},
        {"16 bits", With<std::uint16_t>(28, 16)},
        {"2 bits", With<std::uint16_t>(28, 2)},
        {"run-length compressed", With<std::uint32_t>(30, 1)},
        {"257 colours", With<std::uint32_t>(46, 257)},
        {"palette beyond the data", With<std::uint32_t>(46, 200)},
        {"pixels inside the palette", With<std::uint32_t>(10, 61)},
        {"pixels beyond the data", With<std::uint32_t>(10, 67)},
        {"pixels offset wrapping", With<std::uint32_t>(10, 0xFFFFFFFFu)},
        {"last row one byte short", Resized(65)},
        {"rows of a taller image", With<std::int32_t>(22, 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Fields(c.Bytes), std::nullopt);
    }
}
