#include "core/ascii_text.h"

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = LowerAscii(c);
    return result;
}

std::wstring LowerAscii(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return result;
}

std::wstring UpperAscii(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& c : result)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return result;
}
