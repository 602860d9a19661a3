// The INI itself: exactly one, and text the loader can read (8-bit, no
// byte-order mark, no 0 byte).
#include "check_context.h"

#include <cstdint>
#include <filesystem>

namespace {

bool StartsWithBytes(const std::vector<std::uint8_t>& bytes, std::initializer_list<int> prefix) {
    if (bytes.size() < prefix.size()) return false;
    std::size_t i = 0;
    for (int b : prefix)
        if (bytes[i++] != b) return false;
    return true;
}

// Length of the UTF-8 sequence at `at`, 0 when it is not one.
std::size_t Utf8Sequence(const std::vector<std::uint8_t>& s, std::size_t at) {
    const std::uint8_t b = s[at];
    const std::size_t length = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
    if (length == 0 || at + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((s[at + i] & 0xC0) != 0x80) return 0;
    return length;
}

// Length of the GBK (code page 936) character at `at`, 0 when it is not one.
std::size_t GbkCharacter(const std::vector<std::uint8_t>& s, std::size_t at) {
    if (s[at] < 0x81 || s[at] > 0xFE || at + 1 >= s.size()) return 0;
    const std::uint8_t trail = s[at + 1];
    return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 0;
}

// True when every non-ASCII byte reads as text of `sequence`'s encoding.
template <typename Sequence> bool ReadsAs(const std::vector<std::uint8_t>& s, Sequence sequence) {
    for (std::size_t at = 0; at < s.size();) {
        if (s[at] < 0x80) {
            ++at;
            continue;
        }
        const std::size_t length = sequence(s, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

void CheckEncoding(TCheckContext& c, const TSkinSourceFile& ini) {
    const std::vector<std::uint8_t>& bytes = ini.Bytes;
    const auto error = [&](const std::string& text) {
        c.Report(TSeverity::Error, ini.Path, "", "", text);
    };
    if (StartsWithBytes(bytes, {0xFF, 0xFE}) || StartsWithBytes(bytes, {0xFE, 0xFF}) ||
        (bytes.size() >= 2 && (bytes[0] == 0 || bytes[1] == 0))) {
        error("is UTF-16 text: the loader reads 8-bit text and finds no section at all; save "
              "it as ASCII (or GBK) text");
        return;
    }
    if (StartsWithBytes(bytes, {0xEF, 0xBB, 0xBF})) {
        error("starts with a UTF-8 byte-order mark: the loader takes it as part of the first "
              "line, so the section named there is lost; save the file without a byte-order "
              "mark");
    }
    for (std::size_t at = 0; at < bytes.size(); ++at)
        if (bytes[at] == 0) {
            error("holds a 0 byte at offset " + std::to_string(at) +
                  ": the loader stops reading there; remove it");
            return;
        }
    if (!ReadsAs(bytes, Utf8Sequence) && !ReadsAs(bytes, GbkCharacter))
        c.Report(TSeverity::Warning, ini.Path, "", "",
                 "holds bytes that are neither UTF-8 nor GBK text; keep the INI to ASCII");
}

} // namespace

void CheckIniFiles(TCheckContext& c) {
    // Named as the author sees it: the folder's own name, not its path.
    std::filesystem::path folder = std::filesystem::path(c.Source.Where).lexically_normal();
    if (folder.filename().empty()) folder = folder.parent_path();
    const std::string where = folder.filename().string();
    const auto inis = c.Source.WithExtension(".ini");
    if (!c.Ini) {
        c.Report(TSeverity::Error, where, "", "",
                 "holds no .ini file: the skin has no description; add one (see "
                 "docs/making-a-skin.md)");
        return;
    }
    if (inis.size() > 1) {
        std::string names;
        for (const TSkinSourceFile* ini : inis)
            names += (names.empty() ? "" : ", ") + ini->Path;
        c.Report(TSeverity::Error, where, "", "",
                 "holds " + std::to_string(inis.size()) + " .ini files (" + names +
                     "): a skin has exactly one; remove the others (desktop.ini is hidden on "
                     "Windows: `attrib -h -s desktop.ini` shows it)");
    }
    CheckEncoding(c, *c.Ini);
}
