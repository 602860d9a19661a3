#include "app/theme_paths.h"

#include <windows.h>

#include <algorithm>
#include <vector>

std::wstring EnvironmentValue(const wchar_t* name) {
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    DWORD got = GetEnvironmentVariableW(name, value.data(), size);
    if (got == 0 || got >= size) return {};
    value.resize(got);
    return value;
}

std::wstring ExpandEnvironment(const std::wstring& text) {
    if (text.empty()) return text;
    DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    for (int attempt = 0; size != 0 && attempt < 3; ++attempt) {
        std::vector<wchar_t> buffer(size);
        DWORD got = ExpandEnvironmentStringsW(text.c_str(), buffer.data(), size);
        if (got == 0) break;
        if (got <= size) return std::wstring(buffer.data()); // up to the first NUL
        size = got;
    }
    return text;
}

bool IsPlainEntryName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    for (wchar_t c : name) {
        if (c < 0x20 || wcschr(L"\\/:\"*?<>|", c)) return false;
    }
    wchar_t last = name.back();
    return last != L'.' && last != L' ' && !IsReservedDeviceName(name);
}

bool IsReservedDeviceName(const std::wstring& name) {
    std::wstring base = name.substr(0, name.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
        if (SameTextNoCase(base, device)) return true;
    if (base.size() != 4) return false;
    wchar_t digit = base[3];
    bool numbered = (digit >= L'0' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' ||
                    digit == L'\u00B3';
    return numbered &&
           (SameTextNoCase(base.substr(0, 3), L"COM") || SameTextNoCase(base.substr(0, 3), L"LPT"));
}

bool IsLocalAbsolutePath(const std::wstring& path) {
    if (path.size() < 3) return false;
    wchar_t drive = path[0] | 0x20;
    if (drive < L'a' || drive > L'z' || path[1] != L':' || path[2] != L'\\') return false;
    for (size_t i = 2; i < path.size(); ++i) {
        wchar_t c = path[i];
        if (c < 0x20 || wcschr(L":\"*?<>|", c)) return false;
    }
    return true;
}

std::wstring NormalisePath(const std::wstring& path) {
    if (!IsLocalAbsolutePath(path)) return {};
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return {};
    std::wstring full(size, L'\0');
    DWORD got = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (got == 0 || got >= size) return {};
    full.resize(got);
    return IsLocalAbsolutePath(full) ? full : std::wstring();
}

bool IsInsideFolder(const std::wstring& path, const std::wstring& folder, bool directOnly) {
    std::wstring p = NormalisePath(path);
    std::wstring f = NormalisePath(folder);
    if (p.empty() || f.empty()) return false;
    if (f.back() != L'\\') f += L'\\';
    if (p.size() <= f.size() || !SameTextNoCase(p.substr(0, f.size()), f)) return false;
    std::wstring rest = p.substr(f.size());
    if (rest.back() == L'\\') rest.pop_back();
    if (rest.empty()) return false;
    return !directOnly || rest.find(L'\\') == std::wstring::npos;
}

bool HasExtension(const std::wstring& path, const std::wstring& dotExtension) {
    size_t slash = path.find_last_of(L"\\/");
    size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return false;
    return SameTextNoCase(path.substr(dot), dotExtension);
}

bool HasImageExtension(const std::wstring& path) {
    static const wchar_t* const kImages[] = {L".bmp", L".dib",  L".jpg", L".jpeg",
                                             L".jpe", L".jfif", L".gif", L".png",
                                             L".tif", L".tiff", L".wdp", L".webp"};
    return std::any_of(std::begin(kImages), std::end(kImages),
                       [&](const wchar_t* ext) { return HasExtension(path, ext); });
}

std::wstring LongPathForm(const std::wstring& path) {
    if (path.size() < MAX_PATH - 12 || !IsLocalAbsolutePath(path)) return path;
    std::wstring full = NormalisePath(path);
    return full.empty() ? path : L"\\\\?\\" + full;
}
