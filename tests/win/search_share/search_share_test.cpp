// The search link for typed words and shared theme names, and the link as
// the clipboard then holds it.
#include "app/search_share.h"
#include "app/theme_site.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::wstring kSearchPage = std::wstring(kThemeSite) + L"/inc/?keyword=";

TEST(SearchUrl, EncodesGb2312BytesAsUpperCaseEscapes) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"秋天", L"%C7%EF%CC%EC"}, // two characters, four escapes
        {L"a b~", L"a+b%7E"},
        {L"", L""},
        {L"找精美主题尽在Tavro!", L"%D5%D2%BE%AB%C3%C0%D6%F7%CC%E2%BE%A1%D4%DATavro!"},
    };
    for (const auto& [keyword, encoded] : cases)
        EXPECT_EQ(SearchUrl(keyword), kSearchPage + encoded) << keyword.size();
}

TEST(StripBrandMark, RemovesTheMarkOnlyWhenItIsThereExactly) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Tavro主题★秋", L"秋"},
        {L"秋", L"秋"},
        {L"tavro主题★秋", L"tavro主题★秋"}, // no exact mark: the name stays whole
        {L"Tavro主题★冬 TAVRO主题★雪", L"冬 雪"},
        {L"Tavro主题★", L""},
    };
    for (const auto& [name, stripped] : cases)
        EXPECT_EQ(StripBrandMark(name), stripped);
}

std::wstring ClipboardUnicode() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<not open>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::string ClipboardAnsi() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "<not open>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

TEST(ShareLink, ClipboardHoldsTheLinkAloneAsUnicodeAndAnsiText) {
    const std::pair<std::wstring, std::string> cases[] = {
        {L"Tavro主题★秋", "http://www.tavro123.com/inc/?keyword=%C7%EF"},
        {L"秋 Autumn", "http://www.tavro123.com/inc/?keyword=%C7%EF+Autumn"},
    };
    for (const auto& [name, link] : cases) {
        ASSERT_TRUE(PutTextOnClipboard(nullptr, SearchUrl(StripBrandMark(name))));
        EXPECT_EQ(ClipboardUnicode(), std::wstring(link.begin(), link.end()));
        EXPECT_EQ(ClipboardAnsi(), link);
    }
}

} // namespace
