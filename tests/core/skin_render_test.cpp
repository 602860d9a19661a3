// `skintool render` tells the truth: the window mock-up at the top of its
// sheet holds the title bar and the bottom border exactly as the frame
// painter composes them, stacked frames cut top to bottom, a stretched
// middle stretched and a tiled one tiled.
#include "render_sheet.h"
#include "skin_archive_writer.h"
#include "lzh_encoder.h"
#include "window_mockup.h"

#include "core/bmp_decoder.h"
#include "core/bmp_writer.h"
#include "core/nine_slice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

// Every column a colour of its own, so that a stretch and a tile of the
// middle, or a frame cut the wrong way, give other pixels.
TPixelBitmap StackedStrip(int width, int frameHeight) {
    TPixelBitmap strip(width, 2 * frameHeight);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < 2 * frameHeight; ++y)
            strip.SetPixel(x, y,
                           y < frameHeight ? MakeColour(x * 6, 40 + y * 9, 90)
                                           : MakeColour(20, 200, x * 6));
    return strip;
}

std::vector<std::uint8_t> Bytes(const TPixelBitmap& picture) {
    return EncodeBmp24(picture);
}

TEST(SkinRenderTest, MockupComposesStackedAndStretchedBordersAsTheFramePainter) {
    const TPixelBitmap top = StackedStrip(40, 10), bottom = StackedStrip(20, 4);
    const std::string ini = "[Personality]\r\n"
                            "Left=side.bmp\r\nRight=side.bmp\r\n"
                            "Top=top.bmp\r\nTopFrame=2\r\nTopTopHeight=5\r\nTopBotHeight=5\r\n"
                            "TopStretch=1\r\n"
                            "Bottom=bottom.bmp\r\nBottomFrame=2\r\nBottomTopHeight=2\r\n"
                            "BottomBotHeight=2\r\nBottomStretch=0\r\n"
                            // The caption text off the window, clear of the pixels compared.
                            "TextShift=400\r\n";
    const std::vector<TSkinArchiveEntry> entries = {
        {"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())},
        {"side.bmp", Bytes(TPixelBitmap(4, 40, MakeColour(10, 10, 10)))},
        {"top.bmp", Bytes(top)},
        {"bottom.bmp", Bytes(bottom)},
    };
    const fs::path dir =
        fs::temp_directory_path() /
        ("velmora_render_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir);
    {
        const std::vector<std::uint8_t> image = LzhCompressImage(BuildSkinArchive(entries));
        std::ofstream(dir / "s.skn", std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    }
    const std::string command = std::string("\"") + VELMORA_TOOLS_DIR + "/skintool\" render \"" +
                                (dir / "s.skn").string() + "\" \"" + (dir / "s.bmp").string() +
                                "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(dir / "s.bmp", std::ios::binary);
    const TPixelBitmap sheet = DecodeBmp(std::vector<std::uint8_t>(
        (std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    fs::remove_all(dir);
    ASSERT_FALSE(sheet.Empty());

    // What the frame painter composes for each border of an active window:
    // the stacked frame 1, middle stretched (Stretch=1) or tiled.
    const int length = kMockupWidth - 8;
    const struct {
        const char* what;
        TPixelBitmap expected;
        int y;
    } borders[] = {
        {"title bar",
         BuildSkinBitmap(length, 10, TSkinFrame{&top, 1, 2}, {5, 0, 5, 0}, TStripAxis::Vertical,
                         TCentreFill::Stretch),
         0},
        {"bottom border",
         BuildSkinBitmap(length, 4, TSkinFrame{&bottom, 1, 2}, {2, 0, 2, 0}, TStripAxis::Vertical,
                         TCentreFill::Tile),
         kMockupHeight - 4},
    };
    for (const auto& b : borders) {
        const TPixelBitmap shown =
            CropBitmap(sheet, {kSheetMockupX + 4, kSheetMockupY + b.y, kSheetMockupX + 4 + length,
                               kSheetMockupY + b.y + b.expected.Height()});
        EXPECT_TRUE(shown == b.expected) << b.what;
    }
}

} // namespace
