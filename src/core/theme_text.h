#pragma once
// The text of a .theme file read the way the profile functions read it:
// sections and keys trimmed, surrounding quotes dropped from values, lines
// before the first section (or after a "[" that never closes) ignored. The
// text is decoded here so that Chinese names read correctly whatever the
// system code page: UTF-16 (with BOM, or without BOM but recognisable),
// UTF-8 (with BOM, or when the whole file is valid UTF-8), otherwise code
// page 936 (GB2312/GBK), which only the platform can decode and so is
// handed in. Lines that decode to nothing sensible (binary junk, control
// characters) are dropped, so a damaged file yields what can be read and no
// garbage.
#include <string>
#include <string_view>
#include <vector>

enum class TThemeEncoding { Utf16Le, Utf16Be, Utf8, CodePage936 };

TThemeEncoding DetectThemeEncoding(std::string_view bytes);

struct TThemeEntry {
    std::u16string Section, Key, Value;
    bool operator==(const TThemeEntry& other) const {
        return Section == other.Section && Key == other.Key && Value == other.Value;
    }
};

// Decodes one line of code page 936 text; false when the bytes are not
// valid in it.
using TCodePage936Decoder = bool (*)(std::string_view bytes, std::u16string& out);

// Every key in file order, duplicates included: the reader's look-up lets
// the first one win.
std::vector<TThemeEntry> ReadThemeEntries(std::string_view bytes, TCodePage936Decoder decode936);
