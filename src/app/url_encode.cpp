#include "app/url_encode.h"

#include <windows.h>

#include <cstring>

namespace {

bool IsKeptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           (c != 0 && std::strchr("!$'()*-.@_", c) != nullptr);
}

} // namespace

std::string UrlEncode(const std::string& bytes) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char ch : bytes) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == 0) break;
        if (IsKeptAsIs(c)) {
            out += static_cast<char>(c);
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::wstring UrlEncodeGb2312(const std::wstring& text) {
    std::string bytes;
    if (!text.empty()) {
        int n = WideCharToMultiByte(936, 0, text.data(), (int)text.size(), nullptr, 0, nullptr,
                                    nullptr);
        if (n > 0) {
            bytes.resize(n);
            WideCharToMultiByte(936, 0, text.data(), (int)text.size(), bytes.data(), n, nullptr,
                                nullptr);
        }
    }
    std::string encoded = UrlEncode(bytes);
    return std::wstring(encoded.begin(), encoded.end()); // pure ASCII
}
