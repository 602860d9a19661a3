#include "core/utf16_text.h"

#include <cstddef>

namespace {

struct TSequence {
    std::size_t Length; // bytes, the lead byte included
    char32_t Bits;      // the lead byte's share of the code point
    char32_t Smallest;  // anything below is an overlong form
};

bool ReadLead(unsigned char lead, TSequence& sequence) {
    if ((lead & 0xE0) == 0xC0)
        sequence = {2, char32_t(lead & 0x1F), 0x80};
    else if ((lead & 0xF0) == 0xE0)
        sequence = {3, char32_t(lead & 0x0F), 0x800};
    else if ((lead & 0xF8) == 0xF0)
        sequence = {4, char32_t(lead & 0x07), 0x10000};
    else
        return false;
    return true;
}

void AppendCodePoint(char32_t c, std::u16string& out) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
        return;
    }
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

} // namespace

bool Utf8ToUtf16(std::string_view bytes, std::u16string& out) {
    out.clear();
    out.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++at;
            continue;
        }
        TSequence sequence;
        if (!ReadLead(lead, sequence) || bytes.size() - at < sequence.Length) return false;
        char32_t c = sequence.Bits;
        for (std::size_t i = 1; i < sequence.Length; ++i) {
            const auto next = static_cast<unsigned char>(bytes[at + i]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < sequence.Smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        AppendCodePoint(c, out);
        at += sequence.Length;
    }
    return true;
}
