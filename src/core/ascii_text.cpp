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
