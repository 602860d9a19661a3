#include "core/theme_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Code page 936 as far as these tests need it: ASCII and two GB2312 pairs,
// 蓝 (C0 B6) and 色 (C9 AB); anything else is invalid.
bool DecodeFewGb2312(std::string_view bytes, std::u16string& out) {
    out.clear();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::string_view pair = bytes.substr(i, 2);
        if (static_cast<unsigned char>(bytes[i]) < 0x80)
            out += static_cast<char16_t>(bytes[i]);
        else if (pair == "\xC0\xB6")
            out += u'蓝', ++i;
        else if (pair == "\xC9\xAB")
            out += u'色', ++i;
        else
            return false;
    }
    return true;
}

std::string Utf16Le(std::u16string_view text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

std::string Utf16Be(std::u16string_view text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c >> 8);
        bytes += static_cast<char>(c & 0xFF);
    }
    return bytes;
}

using TEntries = std::vector<TThemeEntry>;

} // namespace

void PrintTo(TThemeEncoding encoding, std::ostream* out) {
    const char* const names[] = {"UTF-16 LE", "UTF-16 BE", "UTF-8", "code page 936"};
    *out << names[static_cast<int>(encoding)];
}

void PrintTo(const TThemeEntry& e, std::ostream* out) {
    *out << "{" << testing::PrintToString(e.Section) << ", " << testing::PrintToString(e.Key)
         << ", " << testing::PrintToString(e.Value) << "}";
}

TEST(ThemeText, FindsTheEncodingAndDropsLinesThatDoNotDecode) {
    const std::u16string text = u"[Theme]\r\nDisplayName=春天 🌸\r\n";
    const TEntries spring = {{u"Theme", u"DisplayName", u"春天 🌸"}};
    const struct {
        const char* Name;
        std::string Bytes;
        TThemeEncoding Encoding;
        TEntries Entries;
    } cases[] = {
        {"UTF-16 LE with BOM", "\xFF\xFE" + Utf16Le(text), TThemeEncoding::Utf16Le, spring},
        {"UTF-16 BE with BOM", "\xFE\xFF" + Utf16Be(text), TThemeEncoding::Utf16Be, spring},
        {"UTF-16 LE without BOM", Utf16Le(text), TThemeEncoding::Utf16Le, spring},
        {"UTF-16 with an odd last byte", "\xFF\xFE" + Utf16Le(text) + "x", TThemeEncoding::Utf16Le,
         spring},
        {"UTF-16 line with a control character",
         "\xFF\xFE" + Utf16Le(u"[Theme]\nA=\x01\nB=\uFFFD\nC=\tc\n"),
         TThemeEncoding::Utf16Le,
         {{u"Theme", u"C", u"c"}}},
        {"UTF-8 with BOM, one line not UTF-8",
         "\xEF\xBB\xBF[Theme]\nA=\xC0\xB6\nB=\xE5\xA4\x8F\n",
         TThemeEncoding::Utf8,
         {{u"Theme", u"B", u"夏"}}},
        {"UTF-8 without BOM",
         "[Theme]\nDisplayName=\xE5\xA4\x8F\xE6\x97\xA5\n",
         TThemeEncoding::Utf8,
         {{u"Theme", u"DisplayName", u"夏日"}}},
        // C9 AB alone is also UTF-8 (U+026B): one bad line makes it GB2312.
        {"GB2312 that is UTF-8 line by line",
         "[Theme]\r\nA=\xC0\xB6\r\nB=\xC9\xAB\r\n",
         TThemeEncoding::CodePage936,
         {{u"Theme", u"A", u"蓝"}, {u"Theme", u"B", u"色"}}},
        {"GB2312, one line not",
         "[Theme]\nA=\xC0\xB6\xC9\xAB\nB=\xFE\xFE\nC=\x7F\n",
         TThemeEncoding::CodePage936,
         {{u"Theme", u"A", u"蓝色"}}},
        {"short GB2312 passes for UTF-8",
         "[Theme]\nB=\xC9\xAB\n",
         TThemeEncoding::Utf8,
         {{u"Theme", u"B", u"\u026B"}}},
        {"nothing", "", TThemeEncoding::Utf8, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(DetectThemeEncoding(c.Bytes), c.Encoding);
        EXPECT_EQ(ReadThemeEntries(c.Bytes, DecodeFewGb2312), c.Entries);
    }
}

TEST(ThemeText, ReadsSectionsKeysAndValuesLikeTheProfileFunctions) {
    const std::string text = "DisplayName=before any section\n"
                             "[Theme]\r\n"
                             "  DisplayName = \"Quoted Name\"  \r"
                             "displayname='second'\n"
                             "; comment=no\n"
                             "Single=\"\n"
                             "Mixed=\"a'\n"
                             "Formula = a = b\n"
                             "NoValue\n"
                             "= no key\n"
                             "[ Control Panel\\Desktop ]extra\n"
                             "Wallpaper=\"\"\n"
                             "[Open\n"
                             "Lost=1\n"
                             "[]\n"
                             "Empty=section\n";
    const TEntries expected = {
        {u"Theme", u"DisplayName", u"Quoted Name"},
        {u"Theme", u"displayname", u"second"},
        {u"Theme", u"Single", u"\""},
        {u"Theme", u"Mixed", u"\"a'"},
        {u"Theme", u"Formula", u"a = b"},
        {u"Theme", u"NoValue", u""},
        {u"Control Panel\\Desktop", u"Wallpaper", u""},
        {u"", u"Empty", u"section"},
    };
    EXPECT_EQ(ReadThemeEntries(text, DecodeFewGb2312), expected);
}
