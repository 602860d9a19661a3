// The skin INI: parsed once from the archive's text, then queried. Read-only.
//
// Sections match case-insensitively, keys after lower-casing A-Z; values come
// back as written (trimmed). The first occurrence of a section or key wins.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TQuickIni {
public:
    // Replaces all content with the text (from the given bytes to their end,
    // or to the first 0 byte).
    void LoadFromStream(const std::uint8_t* data, std::size_t size);
    void LoadFromStream(const std::vector<std::uint8_t>& data) {
        LoadFromStream(data.data(), data.size());
    }
    void LoadFromText(std::string_view text);

    // `def` unless the key is found in the first matching section with a
    // non-empty value. An empty key never matches.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const;
    // Decimal with optional sign, "$hex" or "0xhex"; anything else (trailing
    // characters, out of 32-bit range) gives `def`.
    std::int32_t ReadInteger(const std::string& section, const std::string& key,
                             std::int32_t def) const;

    bool SectionExists(const std::string& section) const;

    // Section names without brackets, every header in text order (duplicates
    // included). A null list is a programming error: throws EAssertionFailed
    // "The parameter Strings is unassigned!".
    void ReadSections(std::vector<std::string>* list) const;
    std::vector<std::string> ReadSections() const;

    // The keys (trimmed, as written) of the lines of the first matching
    // section that have an "=", in text order.
    std::vector<std::string> ReadSection(const std::string& section) const;

    // Kept lines (trimmed, non-empty, not comments), for diagnostics.
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    // Index in lines_ of the first header of the section, or -1.
    long FindSection(const std::string& section) const;

    std::vector<std::string> lines_;
    std::vector<std::pair<std::string, std::size_t>> sections_; // header as trimmed, line index
};

// Converts a string with an optional sign and decimal digits, or "$" and hex
// digits, to a 32-bit integer. False on anything else or out of range.
bool ParseSkinInteger(std::string_view text, std::int32_t& value);
