#include "core/quick_ini.h"

#include "core/ascii_text.h"
#include "core/assertion_failed.h"

#include <algorithm>
#include <cstring>

namespace {

std::string_view Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

bool IsSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Key of a kept line: text before the first "=", trimmed and lower-cased;
// empty when the line has no "=".
std::string LineKey(std::string_view line) {
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string()
                                            : LowerAscii(Trim(line.substr(0, equals)));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

bool ParseSkinInteger(std::string_view text, std::int32_t& value) {
    if (text.empty()) return false;
    if (text.front() == '$') {
        // Up to 32 bits of hex, taken as the bit pattern (colours such as
        // $FF000005 come out negative).
        text.remove_prefix(1);
        if (text.empty()) return false;
        std::uint64_t v = 0;
        for (char c : text) {
            const int digit = HexDigit(c);
            if (digit < 0) return false;
            v = v * 16 + static_cast<std::uint64_t>(digit);
            if (v > 0xFFFFFFFFu) return false;
        }
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return true;
    }
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL) return false;
    }
    if (negative) v = -v;
    if (v > 2147483647LL) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

void TQuickIni::LoadFromStream(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr && size > 0) return;
    LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
}

void TQuickIni::LoadFromText(std::string_view text) {
    lines_.clear();
    sections_.clear();
    text = text.substr(0, text.find('\0'));
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t stop = text.find_first_of("\r\n", at);
        if (stop == std::string_view::npos) stop = text.size();
        const std::string_view line = Trim(text.substr(at, stop - at));
        if (!line.empty() && line.front() != ';') {
            if (IsSectionHeader(line)) sections_.emplace_back(std::string(line), lines_.size());
            lines_.emplace_back(line);
        }
        if (stop + 1 < text.size() && text[stop] == '\r' && text[stop + 1] == '\n') ++stop;
        at = stop + 1;
    }
}

long TQuickIni::FindSection(const std::string& section) const {
    const std::string header = "[" + section + "]";
    for (const auto& entry : sections_)
        if (SameTextIgnoringCase(entry.first, header)) return static_cast<long>(entry.second);
    return -1;
}

bool TQuickIni::SectionExists(const std::string& section) const {
    return FindSection(section) >= 0;
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key,
                                  const std::string& def) const {
    const std::string wanted = LowerAscii(key);
    const long header = FindSection(section);
    if (wanted.empty() || header < 0) return def;
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (IsSectionHeader(line)) break;
        if (LineKey(line) != wanted) continue;
        // The first line with the key decides, even when its value is empty.
        const std::string_view value = Trim(std::string_view(line).substr(line.find('=') + 1));
        return value.empty() ? def : std::string(value);
    }
    return def;
}

std::int32_t TQuickIni::ReadInteger(const std::string& section, const std::string& key,
                                    std::int32_t def) const {
    std::string text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.replace(0, 2, "$");
    std::int32_t value = def;
    return ParseSkinInteger(text, value) ? value : def;
}

void TQuickIni::ReadSections(std::vector<std::string>* list) const {
    if (list == nullptr)
        throw EAssertionFailed("The parameter Strings is unassigned!", "source\\Winskinini", 318);
    list->clear();
    for (const auto& entry : sections_) {
        const std::string_view header = Trim(entry.first);
        list->emplace_back(Trim(header.substr(1, header.size() - 2)));
    }
}

std::vector<std::string> TQuickIni::ReadSections() const {
    std::vector<std::string> list;
    ReadSections(&list);
    return list;
}

std::vector<std::string> TQuickIni::ReadSection(const std::string& section) const {
    std::vector<std::string> keys;
    const long header = FindSection(section);
    if (header < 0) return keys;
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (IsSectionHeader(line)) break;
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos) keys.emplace_back(Trim(line.substr(0, equals)));
    }
    return keys;
}
