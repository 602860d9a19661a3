#include "app/url_encode.h"

#include <gtest/gtest.h>

TEST(UrlEncode, EncodesBytesForAQuery) {
    struct {
        std::string in, out;
    } cases[] = {
        {"", ""},
        {"a b~", "a+b%7E"},
        {"AZaz09!$'()*-.@_", "AZaz09!$'()*-.@_"},
        {"\xD6\xF7", "%D6%F7"},
        {"&=?/%+#\"", "%26%3D%3F%2F%25%2B%23%22"},
        {"\x01\x7F\xFF", "%01%7F%FF"},
        {std::string("ab\0cd", 5), "ab"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UrlEncode(c.in), c.out) << c.in;
}

TEST(UrlEncode, ConvertsTextToGb2312First) {
    EXPECT_EQ(UrlEncodeGb2312(L"主题 a"), L"%D6%F7%CC%E2+a");
    EXPECT_EQ(UrlEncodeGb2312(L""), L"");
}
