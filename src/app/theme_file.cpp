#include "app/theme_file.h"

#include "app/theme_paths.h"

#include "toolkit/unique_handle.h"

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

bool Decode(UINT codePage, const std::string& bytes, std::wstring& out) {
    out.clear();
    if (bytes.empty()) return true;
    int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), (int)bytes.size(),
                                nullptr, 0);
    if (n <= 0) return false;
    out.resize(n);
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), (int)bytes.size(), out.data(),
                        n);
    return true;
}

std::wstring FromUtf16(const std::string& bytes, size_t start, bool bigEndian) {
    std::wstring out;
    out.reserve((bytes.size() - start) / 2);
    for (size_t i = start; i + 1 < bytes.size(); i += 2) {
        unsigned char lo = bytes[i + (bigEndian ? 1 : 0)], hi = bytes[i + (bigEndian ? 0 : 1)];
        out.push_back(static_cast<wchar_t>(lo | (hi << 8)));
    }
    return out;
}

// UTF-16 without a BOM: ASCII-heavy text has a zero in every second byte.
bool LooksLikeUtf16Le(const std::string& bytes) {
    if (bytes.size() < 4 || bytes.size() % 2 != 0) return false;
    size_t oddZeros = 0, evenZeros = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != 0) continue;
        if (i % 2)
            ++oddZeros;
        else
            ++evenZeros;
    }
    return evenZeros == 0 && oddZeros * 4 > bytes.size();
}

bool IsCleanLine(const std::wstring& line) {
    for (wchar_t c : line) {
        if ((c < 0x20 && c != L'\t') || c == 0x7F || c == 0xFFFD) return false;
    }
    return true;
}

// 8-bit files are decoded line by line, so one damaged line costs only itself.
std::wstring DecodeEightBitLine(UINT codePage, const std::string& line) {
    std::wstring text;
    if (Decode(codePage, line, text) && IsCleanLine(text)) return text;
    return {};
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::wstring> DecodeLines(const std::string& bytes) {
    auto has = [&](const char* prefix, size_t n) { return bytes.compare(0, n, prefix, n) == 0; };
    if (has("\xFF\xFE", 2) || has("\xFE\xFF", 2) || LooksLikeUtf16Le(bytes)) {
        bool bom = has("\xFF\xFE", 2) || has("\xFE\xFF", 2);
        std::vector<std::wstring> lines =
            SplitLines(FromUtf16(bytes, bom ? 2 : 0, has("\xFE\xFF", 2)));
        for (auto& line : lines)
            if (!IsCleanLine(line)) line.clear();
        return lines;
    }
    size_t start = has("\xEF\xBB\xBF", 3) ? 3 : 0;
    // One encoding for the whole file: short GB2312 texts can pass for
    // UTF-8 line by line, much less so as a whole file.
    std::wstring ignored;
    UINT codePage = start == 3 || Decode(CP_UTF8, bytes, ignored) ? CP_UTF8 : 936;
    std::vector<std::wstring> lines;
    while (start <= bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(DecodeEightBitLine(codePage, bytes.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

std::wstring Trim(const std::wstring& text) {
    size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return {};
    size_t last = text.find_last_not_of(L" \t");
    return text.substr(first, last - first + 1);
}

std::wstring Unquote(const std::wstring& value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == L'"' || value.front() == L'\''))
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

TThemeFile TThemeFile::Load(const std::wstring& path) {
    return FromBytes(ReadBytes(path));
}

TThemeFile TThemeFile::FromBytes(const std::string& bytes) {
    TThemeFile file;
    bool inSection = false;
    std::wstring section;
    for (const std::wstring& raw : DecodeLines(bytes)) {
        std::wstring line = Trim(raw);
        if (line.empty() || line[0] == L';') continue;
        if (line[0] == L'[') {
            size_t close = line.find(L']');
            inSection = close != std::wstring::npos;
            if (!inSection) continue;
            section = Trim(line.substr(1, close - 1));
            continue;
        }
        if (!inSection) continue;
        size_t eq = line.find(L'=');
        std::wstring key = Trim(line.substr(0, eq));
        if (key.empty()) continue;
        std::wstring value = eq == std::wstring::npos ? L"" : Unquote(Trim(line.substr(eq + 1)));
        file.entries_.push_back({section, key, value});
    }
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
