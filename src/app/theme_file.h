#pragma once
// Reads a .theme file the way the profile functions would (sections and keys
// without regard to case, first match wins, surrounding quotes dropped), but
// decodes the text itself so that Chinese names read correctly whatever the
// system code page (see core/theme_text.h for the encodings and what is
// dropped); code page 936 is decoded by the system.
#include <string>
#include <vector>

class TThemeFile {
public:
    // An unreadable or missing file gives an empty file.
    static TThemeFile Load(const std::wstring& path);
    static TThemeFile FromBytes(const std::string& bytes);

    // The value, or empty when the section or key is missing.
    std::wstring ReadString(const std::wstring& section, const std::wstring& key) const;
    // True when the section exists and holds at least one named key.
    bool SectionHasKeys(const std::wstring& section) const;

private:
    struct Entry {
        std::wstring Section, Key, Value;
    };
    std::vector<Entry> entries_;
};
