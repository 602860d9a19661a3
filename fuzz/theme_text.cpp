// The .theme reader on arbitrary bytes, whatever encoding they are taken
// for: every entry it gives has a key, and no name or value holds a line
// break or a control character, or starts or ends with blanks where the
// reader trims.
#include "core/theme_text.h"

#include <cstddef>
#include <cstdint>

namespace {

// Code page 936's shape without its table: ASCII, or a lead byte 81-FE
// with a trail byte 40-FE (not 7F); each pair stands for one CJK character.
bool DecodeGbkShape(std::string_view bytes, std::u16string& out) {
    out.clear();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            continue;
        }
        if (lead == 0x80 || lead == 0xFF || i + 1 == bytes.size()) return false;
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
        out.push_back(static_cast<char16_t>(0x4E00 + (lead - 0x81) * 191 + (trail - 0x40)));
    }
    return true;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

bool IsClean(std::u16string_view text) {
    for (char16_t c : text)
        if ((c < 0x20 && c != u'\t') || c == 0x7F || c == 0xFFFD) return false;
    return true;
}

bool IsTrimmed(std::u16string_view text) {
    return text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DetectThemeEncoding(bytes);
    for (const TThemeEntry& entry : ReadThemeEntries(bytes, DecodeGbkShape)) {
        if (entry.Key.empty() || entry.Key.find(u'=') != std::u16string::npos ||
            entry.Section.find(u']') != std::u16string::npos)
            __builtin_trap();
        if (!IsTrimmed(entry.Section) || !IsTrimmed(entry.Key)) __builtin_trap();
        if (!IsClean(entry.Section) || !IsClean(entry.Key) || !IsClean(entry.Value))
            __builtin_trap();
    }
    return 0;
}
