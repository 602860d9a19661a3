// Bitmaps stored in a form description are read whole or not at all: every
// size in their headers is checked against the bytes that are there.
#include "toolkit/bitmap.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

template <class T> void Put(std::vector<std::uint8_t>& bytes, size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

// A 2 x 1 bitmap of 8 bits a pixel: pixel 0 is palette entry 1 (red), pixel
// 1 entry 2 (blue). The info header declares `headerSize` bytes; when those
// fit in a file of reasonable size they are really there, and the palette
// follows them.
std::vector<std::uint8_t> PalettedBmp(std::uint32_t headerSize) {
    const std::uint32_t present = headerSize <= 1024 ? headerSize : 40;
    const std::uint32_t palette = 14 + present, pixels = palette + 256 * 4;
    std::vector<std::uint8_t> bytes(pixels + 4, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put<std::uint32_t>(bytes, 2, std::uint32_t(bytes.size()));
    Put<std::uint32_t>(bytes, 10, pixels);
    Put<std::uint32_t>(bytes, 14, headerSize);
    Put<std::int32_t>(bytes, 18, 2);
    Put<std::int32_t>(bytes, 22, 1);
    Put<std::uint16_t>(bytes, 26, 1);
    Put<std::uint16_t>(bytes, 28, 8);
    Put<std::uint32_t>(bytes, palette + 1 * 4, 0x00FF0000u); // BGRA: red
    Put<std::uint32_t>(bytes, palette + 2 * 4, 0x000000FFu); // blue
    bytes[pixels] = 1;
    bytes[pixels + 1] = 2;
    return bytes;
}

} // namespace

TEST(StoredBitmap, HeaderSizesAreCheckedAgainstTheData) {
    // 14 + header size + palette, summed in 32 bits, would wrap to a small
    // number for the last three; the palette would then be copied from
    // before the bytes.
    const std::uint32_t wrapsToForty = std::uint32_t(0) - 14 - 1024 + 40;
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Bytes;
        bool Loads;
    };
    const Case cases[] = {
        {"plain header", PalettedBmp(40), true},
        {"larger header, palette after it", PalettedBmp(108), true},
        {"header beyond the data", PalettedBmp(40 + 2000), false},
        {"header size wrapping with the palette", PalettedBmp(wrapsToForty), false},
        {"header size wrapping alone", PalettedBmp(0xFFFFFFF2u), false},
        {"largest header size", PalettedBmp(0xFFFFFFFFu), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TBitmap bitmap;
        ASSERT_EQ(bitmap.LoadFromBmpBytes(c.Bytes), c.Loads);
        if (!c.Loads) {
            EXPECT_TRUE(bitmap.Empty());
            continue;
        }
        EXPECT_EQ(bitmap.Pixel(0, 0), RGB(255, 0, 0));
        EXPECT_EQ(bitmap.Pixel(1, 0), RGB(0, 0, 255));
    }
}
