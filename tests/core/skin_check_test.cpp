// `skintool check` on broken skin folders, each a small good skin with one
// mistake an author makes: the exact line it prints and the exit status
// that says whether the skin is usable. Then pack, which runs the same
// checks and refuses on errors unless forced.
#include "bmp_fixture.h"

#include "skintool_run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

const char* const kGoodIni = "[TitlebarSkin]\r\n"
                             "SkinName=Check\r\n"
                             "[Colours]\r\n"
                             "ButtonFace=255 255 255\r\n"
                             "ButtonText=0 0 0\r\n"
                             "[Personality]\r\n"
                             "Top=frametop.bmp\r\n"
                             "TopFrame=2\r\n"
                             "TopTopHeight=2\r\n"
                             "TopBotHeight=2\r\n"
                             "[Button2]\r\n"
                             "Action=0\r\n"
                             "ButtonImage=btnclose.bmp\r\n"
                             "frame=4\r\n"
                             "[Buttons]\r\n"
                             "Bitmap=buttons.bmp\r\n"
                             "LeftWidth=2\r\n"
                             "RightWidth=2\r\n"
                             "[Headerbar]\r\n"
                             "Image=headerbar.bmp\r\n"
                             "frame=4\r\n";

class SkinCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        root =
            fs::temp_directory_path() /
            ("velmora_check_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }

    static void Write(const fs::path& path, const std::string& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const fs::path& path) { return ReadWholeFile(path); }
    static std::string Picture(int width, int height, TColour colour) {
        const auto bytes = EncodeBmp24(TPixelBitmap(width, height, colour));
        return std::string(bytes.begin(), bytes.end());
    }

    // The good skin: every picture a whole number of frames, plain colours.
    fs::path MakeSkin(const std::string& name) const {
        const fs::path dir = root / name;
        Write(dir / "skin.ini", kGoodIni);
        Write(dir / "frametop.bmp", Picture(20, 20, MakeColour(40, 60, 120)));
        Write(dir / "buttons.bmp", Picture(50, 10, kWhite));
        Write(dir / "btnclose.bmp", Picture(40, 10, MakeColour(200, 40, 40)));
        Write(dir / "headerbar.bmp", Picture(40, 10, kWhite));
        return dir;
    }

    static void ReplaceInIni(const fs::path& dir, const std::string& from, const std::string& to) {
        std::string ini = Read(dir / "skin.ini");
        const std::size_t at = ini.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        ini.replace(at, from.size(), to);
        Write(dir / "skin.ini", ini);
    }

    int Run(const std::string& args, std::string& output) const {
        return RunSkintool(args, root / "output.txt", output);
    }

    static std::string Q(const fs::path& path) { return "\"" + path.string() + "\""; }

    static bool HasLine(const std::string& output, const std::string& line) {
        return ("\n" + output).find("\n" + line + "\n") != std::string::npos;
    }

    fs::path root;
};

// A 32-bit picture whose fourth bytes vary: an alpha channel.
std::string AlphaPicture() {
    TBmpFixture bmp;
    bmp.Width = 50;
    bmp.Height = 10;
    bmp.BitCount = 32;
    for (int i = 0; i < 500; ++i)
        bmp.Pixels.insert(bmp.Pixels.end(), {255, 255, 255, std::uint8_t(i % 2 ? 255 : 0)});
    const auto bytes = bmp.Bytes();
    return std::string(bytes.begin(), bytes.end());
}

std::string Utf16(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

struct TBrokenSkin {
    const char* Name;
    std::function<void(const fs::path&)> Break;
    std::string Finding; // one whole line of the output
    int Status;
};

TEST_F(SkinCheckTest, NamesEveryMistakeWithItsFileSectionAndKey) {
    using P = const fs::path&;
    const std::string gbkName = "\xB0\xB4\xC5\xA5.bmp";          // 按钮.bmp as GBK bytes
    const std::string utf8Name = "\xE6\x8C\x89\xE9\x92\xAE.bmp"; // the same name in UTF-8
    const TBrokenSkin cases[] = {
        {"missing", [](P d) { fs::remove(d / "buttons.bmp"); },
         "skin.ini [Buttons] Bitmap: error: buttons.bmp is not in the skin: the element stays "
         "empty; add the picture or correct the name",
         1},
        {"sub_folder",
         [](P d) {
             fs::create_directories(d / "art");
             fs::rename(d / "buttons.bmp", d / "art" / "buttons.bmp");
         },
         "skin.ini [Buttons] Bitmap: error: buttons.bmp is in the sub-folder art/buttons.bmp, "
         "which pack ignores: move it next to the INI",
         1},
        {"upper_case_extension",
         [](P d) { ReplaceInIni(d, "Bitmap=buttons.bmp", "Bitmap=Buttons.BMP"); },
         "skin.ini [Buttons] Bitmap: error: \"Buttons.BMP\": the loader reads only names ending "
         "in lower-case .bmp; write buttons.bmp",
         1},
        {"misspelt_key", [](P d) { ReplaceInIni(d, "LeftWidth=2", "LeftWidht=2"); },
         "skin.ini [Buttons] LeftWidht: error: unknown key, ignored by the loader: did you mean "
         "LeftWidth?",
         1},
        {"misspelt_image_key",
         [](P d) { ReplaceInIni(d, "Image=headerbar.bmp", "Imgae=headerbar.bmp"); },
         "skin.ini [Headerbar] Imgae: error: unknown key, ignored by the loader: did you mean "
         "Image?",
         1},
        {"misspelt_section", [](P d) { ReplaceInIni(d, "[Headerbar]", "[HeaderBarr]"); },
         "skin.ini [HeaderBarr]: error: unknown section, ignored by the loader: did you mean "
         "Headerbar?",
         1},
        {"misspelt_skin_name", [](P d) { ReplaceInIni(d, "SkinName=", "SkinNmae="); },
         "skin.ini [TitlebarSkin] SkinNmae: error: unknown key, ignored by the loader: did you "
         "mean SkinName?",
         1},
        {"hex_colour", [](P d) { ReplaceInIni(d, "ButtonFace=255 255 255", "ButtonFace=#267C42"); },
         "skin.ini [Colours] ButtonFace: error: \"#267C42\" is not a colour the loader reads (it "
         "reads 11 0 0); write three numbers, red green blue, such as 38 124 66",
         1},
        {"named_colour", [](P d) { ReplaceInIni(d, "ButtonFace=255 255 255", "ButtonFace=green"); },
         "skin.ini [Colours] ButtonFace: error: \"green\" is not a colour the loader reads (it "
         "reads 0 0 0); write three numbers, red green blue, such as 38 124 66",
         1},
        {"colour_above_255",
         [](P d) { ReplaceInIni(d, "ButtonFace=255 255 255", "ButtonFace=300 255 255"); },
         "skin.ini [Colours] ButtonFace: warning: \"300 255 255\" has a number above 255: the "
         "loader reads 44 255 255",
         2},
        {"not_a_number", [](P d) { ReplaceInIni(d, "LeftWidth=2", "LeftWidth=2px"); },
         "skin.ini [Buttons] LeftWidth: error: \"2px\" is not a whole number: the loader uses "
         "the default; write digits only (or $hex)",
         1},
        {"caption_button_without_frame",
         [](P d) {
             ReplaceInIni(d, "ButtonImage=btnclose.bmp\r\nframe=4", "ButtonImage=btnclose.bmp");
         },
         "skin.ini [Button2] frame: warning: missing: the loader guesses 3 or 6 frames from the "
         "picture's shape; caption buttons have 4 (normal, pressed, hot, inactive): write "
         "frame=4",
         1}, // and the 40 x 10 picture, guessed at 6 frames, does not divide
        {"key_twice", [](P d) { ReplaceInIni(d, "LeftWidth=2", "LeftWidth=2\r\nleftwidth=3"); },
         "skin.ini [Buttons] leftwidth: warning: written twice: the loader reads only the first; "
         "remove the other",
         2},
        {"byte_order_mark",
         [](P d) { Write(d / "skin.ini", std::string("\xEF\xBB\xBF") + kGoodIni); },
         "skin.ini: error: starts with a UTF-8 byte-order mark: the loader takes it as part of "
         "the first line, so the section named there is lost; save the file without a "
         "byte-order mark",
         1},
        {"utf16", [](P d) { Write(d / "skin.ini", Utf16(kGoodIni)); },
         "skin.ini: error: is UTF-16 text: the loader reads 8-bit text and finds no section at "
         "all; save it as ASCII (or GBK) text",
         1},
        {"truncated_picture",
         [](P d) { Write(d / "buttons.bmp", Picture(50, 10, kWhite).substr(0, 400)); },
         "buttons.bmp: error: is truncated: its header promises 1574 bytes, the file holds 400; "
         "save it again",
         1},
        {"alpha_picture", [](P d) { Write(d / "buttons.bmp", AlphaPicture()); },
         "buttons.bmp: warning: is a 32-bit picture with an alpha channel, which the loader "
         "ignores: see-through pixels show their colour (often black); paint them 255 0 255 and "
         "save as 24-bit",
         2},
        {"strip_not_whole_frames", [](P d) { Write(d / "buttons.bmp", Picture(52, 10, kWhite)); },
         "skin.ini [Buttons] Bitmap: error: the picture is 52 pixels wide, not a whole number of "
         "its 5 frames (10.4 each): painting drops the rest and frames shift; make it 50 or 55",
         1},
        {"stacked_strip_not_whole_frames",
         [](P d) { Write(d / "frametop.bmp", Picture(20, 21, MakeColour(40, 60, 120))); },
         "skin.ini [Personality] Top: error: the picture is 21 pixels high, not a whole number "
         "of its 2 stacked frames (10.5 each): painting drops the rest and frames shift; make it "
         "20 or 22",
         1},
        {"chinese_name_gbk_ini",
         [&](P d) {
             fs::rename(d / "buttons.bmp", d / utf8Name);
             ReplaceInIni(d, "Bitmap=buttons.bmp", "Bitmap=" + gbkName);
         },
         "skin.ini [Buttons] Bitmap: error: " + gbkName +
             " is not in the skin: the element stays empty; add the picture or correct the name",
         1},
        {"second_ini", [](P d) { Write(d / "desktop.ini", "[.ShellClassInfo]\r\n"); },
         "skin: error: holds 2 .ini files (desktop.ini, skin.ini): a skin has exactly one; "
         "remove the others (desktop.ini is hidden on Windows: `attrib -h -s desktop.ini` shows "
         "it)",
         1},
        {"not_a_bmp", [](P d) { Write(d / "buttons.bmp", "\x89PNG\r\n"); },
         "buttons.bmp: error: is not a BMP file (it does not start with \"BM\"): save it as a "
         "Windows bitmap",
         1},
        {"unused_picture", [](P d) { Write(d / "extra.bmp", Picture(4, 4, kWhite)); },
         "extra.bmp: warning: is named by no key of the INI: it only makes the skin larger", 2},
        {"upper_case_file_name", [](P d) { fs::rename(d / "buttons.bmp", d / "Buttons.bmp"); },
         "Buttons.bmp: warning: the skin file keeps its name as buttons.bmp: rename it so in the "
         "folder too",
         2},
        {"edges_wider_than_the_frame", [](P d) { ReplaceInIni(d, "RightWidth=2", "RightWidth=9"); },
         "skin.ini [Buttons] LeftWidth/RightWidth: warning: the fixed edges (11 pixels) exceed "
         "the frame's width (10): the frame has no middle, so painted larger its middle stays "
         "black; make them smaller",
         2},
        {"low_contrast", [](P d) { ReplaceInIni(d, "ButtonText=0 0 0", "ButtonText=200 200 200"); },
         "skin.ini [Buttons] ButtonText: warning: button text on button frame 1 has a contrast "
         "of only 1.67:1 (at least 4.5:1 reads well); darken or lighten one of them",
         2},
    };

    std::string output;
    ASSERT_EQ(Run("check " + Q(MakeSkin("good")), output), 0) << output;
    EXPECT_NE(output.find("0 errors, 0 warnings"), std::string::npos) << output;
    for (const TBrokenSkin& c : cases) {
        fs::remove_all(root / "skin");
        c.Break(MakeSkin("skin"));
        EXPECT_EQ(Run("check " + Q(root / "skin"), output), c.Status) << c.Name << "\n" << output;
        EXPECT_TRUE(HasLine(output, c.Finding)) << c.Name << ": expected\n"
                                                << c.Finding << "\ngot\n"
                                                << output;
    }
}

TEST_F(SkinCheckTest, PackRefusesErrorsUnlessForcedAndChecksPackedFiles) {
    const fs::path good = MakeSkin("good");
    std::string output;
    ASSERT_EQ(Run("pack " + Q(good) + " " + Q(root / "good.skn"), output), 0) << output;
    EXPECT_EQ(Run("check " + Q(root / "good.skn"), output), 0) << output;

    const fs::path broken = MakeSkin("broken");
    fs::remove(broken / "buttons.bmp");
    EXPECT_EQ(Run("pack " + Q(broken) + " " + Q(root / "broken.skn"), output), 1);
    EXPECT_TRUE(HasLine(output, "skin.ini [Buttons] Bitmap: error: buttons.bmp is not in the "
                                "skin: the element stays empty; add the picture or correct "
                                "the name"))
        << output;
    EXPECT_FALSE(fs::exists(root / "broken.skn"));
    EXPECT_EQ(Run("pack --force " + Q(broken) + " " + Q(root / "broken.skn"), output), 0) << output;
    EXPECT_EQ(Run("check " + Q(root / "broken.skn"), output), 1) << output;

    // Warnings are shown, and the skin is packed.
    const fs::path warned = MakeSkin("warned");
    Write(warned / "extra.bmp", Picture(4, 4, kWhite));
    EXPECT_EQ(Run("pack " + Q(warned) + " " + Q(root / "warned.skn"), output), 0) << output;
    EXPECT_NE(output.find("extra.bmp: warning:"), std::string::npos) << output;
}

TEST_F(SkinCheckTest, StoredSkinsHaveNoFinding) {
    std::string output;
    for (const char* skin : {"blue", "yellow"}) {
        const fs::path folder = fs::path(VELMORA_SOURCE_DIR) / "skins" / skin;
        EXPECT_EQ(Run("check " + Q(folder), output), 0) << skin << "\n" << output;
        EXPECT_NE(output.find("0 errors, 0 warnings"), std::string::npos) << output;
    }
}

} // namespace
