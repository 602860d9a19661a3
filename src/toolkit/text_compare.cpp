#include "toolkit/text_compare.h"

#include <windows.h>

#include <string>

bool SameTextNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    return a.empty() || CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                             static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && SameTextNoCase(text.substr(0, prefix.size()), prefix);
}

bool ContainsNoCase(std::wstring_view text, std::wstring_view part) {
    for (size_t at = 0; at + part.size() <= text.size(); ++at)
        if (SameTextNoCase(text.substr(at, part.size()), part)) return true;
    return false;
}

namespace {

constexpr UINT kGbk = 936;

// The bytes one code point has in code page 936, ASCII letters folded to
// upper case. A character the code page cannot encode (rare ideographs,
// other scripts, emoji, a lone surrogate) becomes 0xFF followed by its code
// point in three bytes: no GBK byte sequence starts with 0xFF, so such
// characters sort after every encodable one and among themselves by code
// point, and two different names never compare equal because of them.
void AppendGbkKey(std::string& key, const wchar_t* unit, int units) {
    if (units == 1 && *unit < 0x80) {
        char c = static_cast<char>(*unit);
        key += c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        return;
    }
    char bytes[4];
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, unit, units, bytes, sizeof bytes,
                                nullptr, &lossy);
    if (n > 0 && !lossy) {
        key.append(bytes, n);
        return;
    }
    unsigned cp = units == 2 ? 0x10000u + ((unit[0] - 0xD800u) << 10) + (unit[1] - 0xDC00u)
                             : static_cast<unsigned>(*unit);
    key += '\xFF';
    key += static_cast<char>(cp >> 16);
    key += static_cast<char>(cp >> 8);
    key += static_cast<char>(cp);
}

std::string GbkKey(std::wstring_view text) {
    std::string key;
    for (size_t i = 0; i < text.size();) {
        bool pair =
            i + 1 < text.size() && IS_HIGH_SURROGATE(text[i]) && IS_LOW_SURROGATE(text[i + 1]);
        int units = pair ? 2 : 1;
        AppendGbkKey(key, text.data() + i, units);
        i += units;
    }
    return key;
}

} // namespace

int CompareGbkText(std::wstring_view a, std::wstring_view b) {
    // std::string compares its bytes as unsigned char.
    return GbkKey(a).compare(GbkKey(b));
}
