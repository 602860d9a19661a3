#pragma once
// The core keeps text as UTF-16 code units in std::u16string, the same on
// every platform; here wchar_t is that same 16-bit unit, so the platform's
// wide strings take them one for one.
#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide text is UTF-16 on Windows");

inline std::wstring WideText(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}
