#include "core/theme_text.h"

#include "core/utf16_text.h"

#include <cstddef>

namespace {

constexpr std::string_view kUtf16LeBom("\xFF\xFE", 2);
constexpr std::string_view kUtf16BeBom("\xFE\xFF", 2);
constexpr std::string_view kUtf8Bom("\xEF\xBB\xBF", 3);

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// UTF-16 without a BOM: ASCII-heavy text has a zero in every second byte.
bool LooksLikeUtf16Le(std::string_view bytes) {
    if (bytes.size() < 4 || bytes.size() % 2 != 0) return false;
    std::size_t oddZeros = 0, evenZeros = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != 0) continue;
        if (i % 2)
            ++oddZeros;
        else
            ++evenZeros;
    }
    return evenZeros == 0 && oddZeros * 4 > bytes.size();
}

// A trailing odd byte is no character and is dropped.
std::u16string FromUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[i + (bigEndian ? 1 : 0)]);
        const auto hi = static_cast<unsigned char>(bytes[i + (bigEndian ? 0 : 1)]);
        out.push_back(static_cast<char16_t>(lo | (hi << 8)));
    }
    return out;
}

bool IsCleanLine(std::u16string_view line) {
    for (char16_t c : line) {
        if ((c < 0x20 && c != u'\t') || c == 0x7F || c == 0xFFFD) return false;
    }
    return true;
}

// Every line break (CR, LF) ends a line; CR LF leaves an empty one between.
template <class Text> std::vector<Text> SplitLines(const Text& text) {
    const typename Text::value_type breaks[] = {'\r', '\n'};
    std::vector<Text> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(breaks, start, 2);
        if (end == Text::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::u16string> DecodeUtf16Lines(std::string_view bytes, TThemeEncoding encoding) {
    const bool bom = StartsWith(bytes, kUtf16LeBom) || StartsWith(bytes, kUtf16BeBom);
    std::vector<std::u16string> lines =
        SplitLines(FromUtf16(bytes.substr(bom ? 2 : 0), encoding == TThemeEncoding::Utf16Be));
    for (auto& line : lines)
        if (!IsCleanLine(line)) line.clear();
    return lines;
}

// 8-bit files are decoded line by line, so one damaged line costs only itself.
std::vector<std::u16string> DecodeEightBitLines(std::string_view bytes, TThemeEncoding encoding,
                                                TCodePage936Decoder decode936) {
    if (StartsWith(bytes, kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    std::vector<std::u16string> lines;
    for (std::string_view line : SplitLines(bytes)) {
        std::u16string text;
        const bool decoded =
            line.empty() ||
            (encoding == TThemeEncoding::Utf8 ? Utf8ToUtf16(line, text) : decode936(line, text));
        lines.push_back(decoded && IsCleanLine(text) ? text : std::u16string());
    }
    return lines;
}

std::u16string_view Trim(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(u" \t");
    return text.substr(first, last - first + 1);
}

std::u16string_view Unquote(std::u16string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

TThemeEncoding DetectThemeEncoding(std::string_view bytes) {
    if (StartsWith(bytes, kUtf16LeBom)) return TThemeEncoding::Utf16Le;
    if (StartsWith(bytes, kUtf16BeBom)) return TThemeEncoding::Utf16Be;
    if (LooksLikeUtf16Le(bytes)) return TThemeEncoding::Utf16Le;
    // One encoding for the whole file: short GB2312 texts can pass for
    // UTF-8 line by line, much less so as a whole file.
    std::u16string ignored;
    if (StartsWith(bytes, kUtf8Bom) || Utf8ToUtf16(bytes, ignored)) return TThemeEncoding::Utf8;
    return TThemeEncoding::CodePage936;
}

std::vector<TThemeEntry> ReadThemeEntries(std::string_view bytes, TCodePage936Decoder decode936) {
    const TThemeEncoding encoding = DetectThemeEncoding(bytes);
    const bool utf16 = encoding == TThemeEncoding::Utf16Le || encoding == TThemeEncoding::Utf16Be;
    std::vector<TThemeEntry> entries;
    bool inSection = false;
    std::u16string section;
    for (const std::u16string& raw : utf16 ? DecodeUtf16Lines(bytes, encoding)
                                           : DecodeEightBitLines(bytes, encoding, decode936)) {
        const std::u16string_view line = Trim(raw);
        if (line.empty() || line[0] == u';') continue;
        if (line[0] == u'[') {
            const std::size_t close = line.find(u']');
            inSection = close != std::u16string_view::npos;
            if (inSection) section = Trim(line.substr(1, close - 1));
            continue;
        }
        if (!inSection) continue;
        const std::size_t eq = line.find(u'=');
        const std::u16string_view key = Trim(line.substr(0, eq));
        if (key.empty()) continue;
        const std::u16string_view value = eq == std::u16string_view::npos
                                              ? std::u16string_view()
                                              : Unquote(Trim(line.substr(eq + 1)));
        entries.push_back({section, std::u16string(key), std::u16string(value)});
    }
    return entries;
}
