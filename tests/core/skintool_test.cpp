// The skin tool as a skin author runs it: pack a folder, list and extract,
// a labelled contact sheet, and clear failures on bad input.
#include "core/bmp_decoder.h"

#include "skintool_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

class SkintoolTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("velmora_skintool_" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "skin");
        Write(root / "skin" / "Skin.ini", "[Buttons]\r\nImage=Buttons.bmp\r\n");
        Write(root / "skin" / "Buttons.bmp", "BM-buttons");
        Write(root / "skin" / "frame.bmp", "BM-frame");
        Write(root / "skin" / "notes.txt", "ignored");
    }
    void TearDown() override { fs::remove_all(root); }

    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const fs::path& path) { return ReadWholeFile(path); }

    // Runs skintool with the arguments; returns its exit status, output in `output`.
    int Run(const std::string& args, std::string& output) {
        return RunSkintool(args, root / "output.txt", output);
    }

    std::string P(const char* name) const { return "\"" + (root / name).string() + "\""; }

    fs::path root;
};

TEST_F(SkintoolTest, PacksListsAndExtracts) {
    std::string output;
    // The pictures are stand-ins, not BMPs: only forced past the checks.
    ASSERT_EQ(Run("pack --force " + P("skin") + " " + P("blue.skn"), output), 0) << output;

    ASSERT_EQ(Run("list " + P("blue.skn"), output), 0) << output;
    EXPECT_NE(output.find("version 40000, 3 files"), std::string::npos) << output;
    EXPECT_LT(output.find("skin.ini"), output.find("buttons.bmp")) << "INI comes first";

    ASSERT_EQ(Run("extract " + P("blue.skn") + " BUTTONS.BMP " + P("out.bmp"), output), 0)
        << output;
    EXPECT_EQ(Read(root / "out.bmp"), "BM-buttons");

    ASSERT_EQ(Run("expand " + P("blue.skn") + " " + P("blue.arc"), output), 0) << output;
    const std::string archive = Read(root / "blue.arc");
    ASSERT_GE(archive.size(), 96u);
    EXPECT_EQ(archive.substr(96, 8), "Skin.ini");
}

TEST_F(SkintoolTest, FailsClearlyOnBadInput) {
    Write(root / "garbage.skn", std::string("\xFF\xFF\xFF\x7F", 4) + "junk");
    fs::create_directories(root / "two_inis");
    Write(root / "two_inis" / "a.ini", "");
    Write(root / "two_inis" / "b.ini", "");
    fs::create_directories(root / "not_bmp");
    Write(root / "not_bmp" / "a.ini", "");
    Write(root / "not_bmp" / "x.bmp", "PNG");

    const struct {
        std::string args;
        const char* message;
    } cases[] = {
        {"pack " + P("missing") + " " + P("o.skn"), "is not a folder"},
        {"pack " + P("two_inis") + " " + P("o.skn"), "exactly one .ini"},
        {"pack " + P("not_bmp") + " " + P("o.skn"), "is not a BMP file"},
        {"pack " + P("skin"), "expected: skintool pack [--force] DIR OUT"},
        {"list " + P("garbage.skn"), "not a skin file"},
        {"list " + P("missing.skn"), "cannot open"},
        {"expand " + P("garbage.skn") + " " + P("o.arc"), "declared size"},
        {"frobnicate", "unknown command"},
    };
    for (const auto& c : cases) {
        std::string output;
        EXPECT_NE(Run(c.args, output), 0) << c.args;
        EXPECT_NE(output.find(c.message), std::string::npos) << c.args << "\n" << output;
    }
    std::string output;
    EXPECT_EQ(Run("pack --force " + P("skin") + " " + P("blue.skn"), output), 0);
    EXPECT_NE(Run("extract " + P("blue.skn") + " nothing.bmp " + P("o.bmp"), output), 0);
    EXPECT_NE(output.find("holds no file named nothing.bmp"), std::string::npos) << output;
    EXPECT_EQ(Run("extract --help", output), 0);
    EXPECT_NE(output.find("usage: skintool extract SKIN NAME OUT"), std::string::npos);
}

} // namespace

// Each row of the contact sheet starts with its element's name in black: as
// many labels down the sheet's left edge as `info` lists elements, one above
// the window mock-up and one for each second picture of the stored skins
// (the tab page frame and the two up-down arrow strips).
TEST_F(SkintoolTest, RendersALabelForEveryElement) {
    std::string output;
    for (const char* skin : {"blue", "yellow"}) {
        const std::string folder = std::string("\"") + VELMORA_SOURCE_DIR + "/skins/" + skin + "\"";
        ASSERT_EQ(Run("pack " + folder + " " + P("s.skn"), output), 0) << output;
        ASSERT_EQ(Run("info " + P("s.skn"), output), 0) << output;
        size_t elements = 0;
        for (size_t at = output.find("elements:");
             (at = output.find("\n  ", at)) != std::string::npos; ++at)
            ++elements;
        ASSERT_EQ(Run("render " + P("s.skn") + " " + P("sheet.bmp"), output), 0) << output;
        const std::string bytes = Read(root / "sheet.bmp");
        const TPixelBitmap sheet = DecodeBmp(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        ASSERT_FALSE(sheet.Empty());
        // Bands of rows with black in the first character's columns.
        size_t labels = 0;
        bool inLabel = false;
        for (int y = 0; y < sheet.Height(); ++y) {
            bool black = false;
            for (int x = 6; x < 11; ++x)
                black = black || sheet.Pixel(x, y) == 0;
            labels += black && !inLabel;
            inLabel = black;
        }
        EXPECT_GT(elements, 10u) << skin;
        EXPECT_EQ(labels, elements + 1 + 3) << skin;
    }
}
