#include "core/utf16_text.h"

#include <gtest/gtest.h>

#include <string>

TEST(Utf16Text, DecodesWhatWindowsTakesAsUtf8AndRefusesTheRest) {
    const struct {
        const char* Name;
        std::string Bytes;
        bool Valid;
        std::u16string Text;
    } cases[] = {
        {"ASCII with a NUL", std::string("a\0b", 3), true, std::u16string(u"a\0b", 3)},
        {"two, three and four bytes", "\xC3\xA9\xE6\x98\xA5\xF0\x9F\x8C\xB8", true,
         u"\u00E9\u6625\U0001F338"},
        {"just below the surrogates", "\xED\x9F\xBF", true, u"\uD7FF"},
        {"just above the surrogates", "\xEE\x80\x80", true, u"\uE000"},
        {"U+FFFF", "\xEF\xBF\xBF", true, u"\uFFFF"},
        {"U+10FFFF", "\xF4\x8F\xBF\xBF", true, u"\U0010FFFF"},
        {"overlong two bytes", "\xC0\xAF", false, u""},
        {"overlong three bytes", "\xE0\x80\xAF", false, u""},
        {"overlong four bytes", "\xF0\x8F\xBF\xBF", false, u""},
        {"encoded surrogate", "\xED\xA0\x80", false, u""},
        {"past U+10FFFF", "\xF4\x90\x80\x80", false, u""},
        {"five-byte lead", "\xF8\x88\x80\x80\x80", false, u""},
        {"continuation without lead", "a\x80", false, u""},
        {"sequence cut at the end", "a\xF0\x9F\x8C", false, u""},
        {"ASCII where a continuation belongs", "\xE6\x41\xA5", false, u""},
        {"byte FF", "\xFF", false, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::u16string text;
        ASSERT_EQ(Utf8ToUtf16(c.Bytes, text), c.Valid);
        if (c.Valid) {
            EXPECT_EQ(text, c.Text);
        }
    }
}
