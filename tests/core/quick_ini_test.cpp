#include "core/quick_ini.h"

#include "core/assertion_failed.h"

#include <gtest/gtest.h>

namespace {

const char* const kSkinText = "; skin description\r\n"
                              "orphan=before any section\r\n"
                              "[HorzScrollThumb]\r\n"
                              "    Image = ScrollbarHThumb.bmp   \r\n"
                              "Trans=1\n"
                              "Formula=a=b;c\r"
                              "  ; Image=commented.bmp\n"
                              "[Buttons]\n"
                              "TopHeight=\n"
                              "TopHeight=4\n"
                              "Colour=236 233 216\n"
                              "[ Spaced Name ]\n"
                              "key=spaced\n"
                              "[Open\n"
                              "Inside=still buttons-less\n"
                              "[buttons]\n"
                              "TopHeight=9\n"
                              "Hex=0x1F\n"
                              "Dollar=$1F\n"
                              "Bad=12abc\n"
                              "Neg=-5\n"
                              "Colourkey=0xFF000005\n"
                              "Big=2147483648\n"
                              "Small=-2147483648\n"
                              "NoEquals\n"
                              "=empty key\n";

class QuickIniTest : public ::testing::Test {
protected:
    void SetUp() override { ini.LoadFromText(kSkinText); }
    TQuickIni ini;
};

TEST_F(QuickIniTest, ReadsStringsByTheLookUpRules) {
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"horzscrollthumb", "IMAGE", "ScrollbarHThumb.bmp"}, // trimmed, case-blind
        {"HorzScrollThumb", "trans", "1"},
        {"HorzScrollThumb", "Formula", "a=b;c"}, // value keeps "=" and ";"
        {"Buttons", "TopHeight", "default"},     // first occurrence is empty
        {"Buttons", "Colour", "236 233 216"},
        {"Buttons", "Hex", "default"},      // only in the later [buttons]
        {" Spaced Name ", "key", "spaced"}, // blanks belong to the name
        {"Spaced Name", "key", "default"},
        {"Open", "Inside", "default"},                     // "[Open" is no header
        {" Spaced Name ", "Inside", "still buttons-less"}, // and ends no section
        {"", "orphan", "default"},                         // lines before any section
        {"buttons", "", "default"},                        // empty key never matches
        {"Missing", "Image", "default"},
        {"HorzScrollThumb", "image ", "default"}, // the key is not trimmed
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected)
            << "[" << c.section << "] " << c.key;
}

TEST_F(QuickIniTest, ReadsIntegersInDecimalAndHex) {
    TQuickIni later;
    later.LoadFromText("[n]\nHex=0x1F\nHEX2=0X1f\nDollar=$1F\nBad=12abc\nNeg=-5\nPlus=+7\n"
                       "Colourkey=0xFF000005\nBig=2147483648\nSmall=-2147483648\n"
                       "TooHex=$100000000\nBare=$\nZeroX=0x\nTriple=236 233 216\n");
    const struct {
        const char* key;
        std::int32_t expected;
    } cases[] = {
        {"Hex", 31},
        {"HEX2", 31},
        {"Dollar", 31},
        {"Bad", -1},
        {"Neg", -5},
        {"Plus", 7},
        {"Colourkey", static_cast<std::int32_t>(0xFF000005u)},
        {"Big", -1},
        {"Small", INT32_MIN},
        {"TooHex", -1},
        {"Bare", -1},
        {"ZeroX", -1},
        {"Triple", -1},
        {"Missing", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(later.ReadInteger("N", c.key, -1), c.expected) << c.key;
}

TEST_F(QuickIniTest, ListsEverySectionHeader) {
    EXPECT_EQ(ini.ReadSections(),
              (std::vector<std::string>{"HorzScrollThumb", "Buttons", "Spaced Name", "buttons"}));
    EXPECT_TRUE(ini.SectionExists("BUTTONS"));
    EXPECT_FALSE(ini.SectionExists("Open"));
    EXPECT_EQ(ini.ReadSection("horzscrollthumb"),
              (std::vector<std::string>{"Image", "Trans", "Formula"}));

    try {
        ini.ReadSections(nullptr);
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& e) {
        EXPECT_STREQ(e.what(),
                     "The parameter Strings is unassigned! (source\\Winskinini, line 318)");
    }
}

TEST(QuickIni, LoadingReplacesContentAndStopsAtZeroByte) {
    TQuickIni ini;
    ini.LoadFromText("[a]\nk=1\n");
    const std::string text("[b]\nk=2\0[c]\nk=3\n", 16);
    ini.LoadFromStream(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    EXPECT_EQ(ini.ReadString("a", "k", "-"), "-");
    EXPECT_EQ(ini.ReadString("b", "k", "-"), "2");
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"b"}));
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[b]", "k=2"}));

    ini.LoadFromStream(nullptr, 5); // no stream: unchanged
    EXPECT_EQ(ini.ReadString("b", "k", "-"), "2");
}

} // namespace
