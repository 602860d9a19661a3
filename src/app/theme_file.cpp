#include "app/theme_file.h"

#include "app/theme_paths.h"

#include "core/theme_text.h"
#include "toolkit/unique_handle.h"
#include "toolkit/wide_text.h"

#include <windows.h>

namespace {

// Theme files are a few kilobytes; anything past this is not a theme.
constexpr DWORD kMaxThemeFileBytes = 1 << 20;

std::string ReadBytes(const std::wstring& path) {
    HANDLE raw = CreateFileW(LongPathForm(path).c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    TFileHandle file(ValidHandle(raw));
    if (!file) return {};
    std::string bytes;
    char buffer[8192];
    DWORD got = 0;
    while (bytes.size() < kMaxThemeFileBytes &&
           ReadFile(raw, buffer, sizeof buffer, &got, nullptr) && got != 0)
        bytes.append(buffer, got);
    if (bytes.size() > kMaxThemeFileBytes) bytes.resize(kMaxThemeFileBytes);
    return bytes;
}

// The one legacy code page a theme file may be in; only the platform knows it.
bool DecodeCodePage936(std::string_view bytes, std::u16string& out) {
    int n =
        MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), (int)bytes.size(), nullptr, 0);
    if (n <= 0) return false;
    std::wstring text(n, L'\0');
    MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(), (int)bytes.size(), text.data(), n);
    out.assign(text.begin(), text.end());
    return true;
}

} // namespace

TThemeFile TThemeFile::Load(const std::wstring& path) {
    return FromBytes(ReadBytes(path));
}

TThemeFile TThemeFile::FromBytes(const std::string& bytes) {
    TThemeFile file;
    for (const TThemeEntry& e : ReadThemeEntries(bytes, DecodeCodePage936))
        file.entries_.push_back({WideText(e.Section), WideText(e.Key), WideText(e.Value)});
    return file;
}

std::wstring TThemeFile::ReadString(const std::wstring& section, const std::wstring& key) const {
    for (const Entry& e : entries_) {
        if (SameTextNoCase(e.Section, section) && SameTextNoCase(e.Key, key)) return e.Value;
    }
    return {};
}

bool TThemeFile::SectionHasKeys(const std::wstring& section) const {
    for (const Entry& e : entries_) {
        if (SameTextNoCase(e.Section, section)) return true;
    }
    return false;
}
