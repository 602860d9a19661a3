#include "bmp_fixture.h"

#include "core/bmp_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr TColour kRed = MakeColour(255, 0, 0);
constexpr TColour kGreen = MakeColour(0, 255, 0);
constexpr TColour kBlue = MakeColour(0, 0, 255);

// Rows as colours, top row first.
std::vector<std::vector<TColour>> Rows(const TPixelBitmap& bitmap) {
    std::vector<std::vector<TColour>> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        rows.emplace_back();
        for (int x = 0; x < bitmap.Width(); ++x)
            rows.back().push_back(bitmap.Pixel(x, y));
    }
    return rows;
}

using TRows = std::vector<std::vector<TColour>>;

TEST(BmpDecoder, WriterOutputDecodesToTheSamePixels) {
    for (int width : {1, 2, 3, 4, 5}) {
        const TPixelBitmap original = PatternBitmap(width, 3);
        EXPECT_EQ(DecodeBmp(EncodeBmp24(original)), original) << "width " << width;
    }
}

struct TDecodeCase {
    const char* Name;
    TBmpFixture Fixture;
    TRows Expected;
};

TEST(BmpDecoder, DecodesEveryUncompressedDepthAndRowOrder) {
    const std::vector<TDecodeCase> cases = {
        {"24-bit bottom-up, padded rows",
         {1, 2, 24, 0, {}, {}, {0, 0, 255, 0, 0, 255, 0, 0}},
         {{kGreen}, {kRed}}},
        {"24-bit top-down",
         {1, -2, 24, 0, {}, {}, {0, 0, 255, 0, 0, 255, 0, 0}},
         {{kRed}, {kGreen}}},
        {"1-bit palette, bits from the high end",
         {3, 1, 1, 0, {kRed, kBlue}, {}, {0xA0, 0, 0, 0}},
         {{kBlue, kRed, kBlue}}},
        {"4-bit palette, high nibble first",
         {3, 1, 4, 0, {kRed, kGreen, kBlue}, {}, {0x21, 0x00, 0, 0}},
         {{kBlue, kGreen, kRed}}},
        {"8-bit palette, index beyond the palette is black",
         {3, 1, 8, 0, {kRed, kGreen}, {}, {1, 0, 7, 0}},
         {{kGreen, kRed, kBlack}}},
        {"16-bit default 5-5-5", {2, 1, 16, 0, {}, {}, {0x00, 0x7C, 0x1F, 0x00}}, {{kRed, kBlue}}},
        {"16-bit 5-6-5 bit fields",
         {2, 1, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0x00, 0xF8}},
         {{kGreen, kRed}}},
        {"32-bit default layout",
         {1, 1, 32, 0, {}, {}, {0x10, 0x20, 0x30, 0xFF}},
         {{MakeColour(0x30, 0x20, 0x10)}}},
        {"32-bit bit fields, red in the low byte",
         {1, 1, 32, 3, {}, {0x000000FF, 0x0000FF00, 0x00FF0000}, {0x10, 0x20, 0x30, 0}},
         {{MakeColour(0x10, 0x20, 0x30)}}},
    };
    for (const TDecodeCase& c : cases)
        EXPECT_EQ(Rows(DecodeBmp(c.Fixture.Bytes())), c.Expected) << c.Name;
}

TEST(BmpDecoder, DecodesRunLengthCompression) {
    // RLE8, 4 x 3, rows bottom-up: a run, an end of line, an absolute run,
    // a delta that skips into the top row, then the end of the bitmap.
    const TBmpFixture rle8{4,
                           3,
                           8,
                           1,
                           {kBlack, kRed, kGreen, kBlue},
                           {},
                           {4, 1, 0, 0,       // bottom row: 4 x red
                            0, 3, 2, 3, 2, 0, // absolute 2, 3, 2 (padded)
                            0, 2, 0, 1,       // delta: up 1
                            1, 3,             // 1 x blue at (3, top row)
                            0, 1}};
    EXPECT_EQ(Rows(DecodeBmp(rle8.Bytes())), (TRows{{kBlack, kBlack, kBlack, kBlue},
                                                    {kGreen, kBlue, kGreen, kBlack},
                                                    {kRed, kRed, kRed, kRed}}));

    // RLE4: a run of alternating nibbles, then an absolute run of three
    // (two bytes, already word-aligned).
    const TBmpFixture rle4{
        6, 1, 4, 2, {kBlack, kRed, kGreen}, {}, {3, 0x12, 0, 3, 0x21, 0x20, 0, 1}};
    EXPECT_EQ(Rows(DecodeBmp(rle4.Bytes())), (TRows{{kRed, kGreen, kRed, kGreen, kRed, kGreen}}));
}

TEST(BmpDecoder, RunsPastTheImageAreDroppedNotWritten) {
    const TBmpFixture wide{2, 1, 8, 1, {kBlack, kRed}, {}, {255, 1, 0, 2, 200, 200, 255, 1}};
    EXPECT_EQ(Rows(DecodeBmp(wide.Bytes())), (TRows{{kRed, kRed}}));
}

TEST(BmpDecoder, RefusesInconsistentOrUnsupportedFiles) {
    const TBmpFixture good{2, 2, 24, 0, {}, {}, std::vector<std::uint8_t>(16, 0x40)};
    ASSERT_FALSE(DecodeBmp(good.Bytes()).Empty());

    struct TCorruption {
        const char* Name;
        std::size_t Offset;
        std::vector<std::uint8_t> Bytes;
    };
    const std::vector<TCorruption> corruptions = {
        {"magic", 0, {'X'}},
        {"pixel offset past the end", 10, {0xFF, 0xFF, 0, 0}},
        {"info header larger than the file", 14, {0xFF, 0, 0, 0}},
        {"unknown info header size", 14, {20, 0, 0, 0}},
        {"zero width", 18, {0, 0, 0, 0}},
        {"negative width", 18, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"huge height", 22, {0, 0, 0, 0x40}},
        {"zero height", 22, {0, 0, 0, 0}},
        {"two planes", 26, {2, 0}},
        {"2 bits per pixel", 28, {2, 0}},
        {"JPEG compression", 30, {4, 0, 0, 0}},
        {"RLE8 on a 24-bit image", 30, {1, 0, 0, 0}},
    };
    for (const TCorruption& c : corruptions) {
        std::vector<std::uint8_t> bytes = good.Bytes();
        std::copy(c.Bytes.begin(), c.Bytes.end(), bytes.begin() + c.Offset);
        EXPECT_TRUE(DecodeBmp(bytes).Empty()) << c.Name;
    }

    TBmpFixture paletteTooLong{1, 1, 8, 0, std::vector<TColour>(257, kRed), {}, {0, 0, 0, 0}};
    EXPECT_TRUE(DecodeBmp(paletteTooLong.Bytes()).Empty()) << "palette over 256 entries";
    TBmpFixture topDownRle{1, -1, 8, 1, {kRed}, {}, {1, 0, 0, 1}};
    EXPECT_TRUE(DecodeBmp(topDownRle.Bytes()).Empty()) << "top-down run-length data";
    TBmpFixture bitfields24{1, 1, 24, 3, {}, {1, 2, 4}, {0, 0, 0, 0}};
    EXPECT_TRUE(DecodeBmp(bitfields24.Bytes()).Empty()) << "bit fields at 24 bits";
    EXPECT_TRUE(DecodeBmp(nullptr, 0).Empty());
}

TEST(BmpDecoder, RefusesImagesAboveTheCallersLimitBeforeAllocating) {
    // Run-length data that sets nothing: the size is all the header's say.
    const auto rle = TBmpFixture{100, 30, 8, 1, {kRed}, {}, {0, 1}}.Bytes();
    EXPECT_EQ(DecodeBmp(rle, 3000).Width(), 100);
    EXPECT_TRUE(DecodeBmp(rle, 2999).Empty());
    EXPECT_TRUE(DecodeBmp(rle, 0).Empty());
    // The decoder's own limit holds whatever the caller allows.
    const auto huge = TBmpFixture{8192, 4097, 8, 1, {kRed}, {}, {0, 1}}.Bytes();
    EXPECT_TRUE(DecodeBmp(huge, INT64_MAX).Empty());
}

TEST(BmpDecoder, TruncatedFilesAreRefusedOrKeepTheirSize) {
    // Uncompressed pixel data must be complete.
    for (const auto& file :
         {TBmpFixture{3, 2, 8, 0, {kRed, kGreen}, {}, {0, 1, 0, 0, 1, 0, 1, 0}}.Bytes(),
          EncodeBmp24(PatternBitmap(3, 3))}) {
        for (std::size_t size = 0; size < file.size(); ++size)
            EXPECT_TRUE(DecodeBmp(file.data(), size).Empty()) << "size " << size;
    }
    // Run-length data may stop early; what was decoded is kept.
    const auto rle = TBmpFixture{4, 2, 8, 1, {kRed, kGreen}, {}, {4, 1, 0, 0, 4, 1, 0, 1}}.Bytes();
    const std::size_t headerEnd = rle.size() - 8;
    for (std::size_t size = headerEnd + 1; size < rle.size(); ++size) {
        const TPixelBitmap bitmap = DecodeBmp(rle.data(), size);
        EXPECT_EQ(bitmap.Width(), 4) << "size " << size;
        EXPECT_EQ(bitmap.Height(), 2) << "size " << size;
    }
    EXPECT_EQ(DecodeBmp(rle.data(), headerEnd + 2).Pixel(0, 1), kGreen);
}

} // namespace

// A size whose byte count overflows 32 bits must not give a short buffer
// that later writes run past (the Windows build is 32-bit).
TEST(PixelBitmap, SizesBeyondTheLimitGiveAnEmptyImage) {
    struct Case {
        int width, height;
    };
    for (Case c : {Case{65536, 65536}, Case{0x7FFFFFFF, 2}, Case{40000, 40000}}) {
        TPixelBitmap b(c.width, c.height);
        EXPECT_EQ(b.Width(), 0) << c.width << "x" << c.height;
        EXPECT_EQ(b.Height(), 0);
    }
    TPixelBitmap ok(3, 2);
    EXPECT_EQ(ok.Width(), 3);
}
