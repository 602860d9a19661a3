#include "toolkit/text_compare.h"

#include <windows.h>

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
