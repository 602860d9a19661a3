#include "app/theme_names.h"

#include "app/theme_paths.h"

#include <windows.h>

#include <shlwapi.h>

#include <cwctype>

namespace {

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH];
    UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

bool AllDigits(const std::wstring& text) {
    if (text.empty()) return false;
    for (wchar_t c : text)
        if (c < L'0' || c > L'9') return false;
    return true;
}

// "@FILE,-ID": the DLL's full path, or empty when the reference is malformed
// or names a DLL outside the system folder. Loading a DLL runs its code, and
// a theme file may come from anywhere.
std::wstring SystemDllOf(const std::wstring& reference) {
    if (reference.size() < 2 || reference[0] != L'@') return {};
    size_t comma = reference.rfind(L",-");
    if (comma == std::wstring::npos || !AllDigits(reference.substr(comma + 2))) return {};
    std::wstring file = ExpandEnvironment(reference.substr(1, comma - 1));
    const std::wstring system = SystemFolder();
    if (system.empty() || file.empty()) return {};
    if (file.find_first_of(L"\\/:") == std::wstring::npos) file = system + L"\\" + file;
    std::wstring path = NormalisePath(file);
    return !path.empty() && IsInsideFolder(path, system, true) ? path : std::wstring();
}

} // namespace

std::optional<std::wstring> SystemResourceString(const std::wstring& reference) {
    std::wstring dll = SystemDllOf(reference);
    if (dll.empty()) return std::nullopt;
    std::wstring resolved = L"@" + dll + reference.substr(reference.rfind(L",-"));
    wchar_t text[512] = L"";
    if (FAILED(SHLoadIndirectString(resolved.c_str(), text, ARRAYSIZE(text), nullptr)) || !text[0])
        return std::nullopt;
    return std::wstring(text);
}

std::wstring ShownThemeName(const TThemeBase& theme) {
    std::wstring name = theme.DisplayName;
    if (SameTextNoCase(name, L"@themeui.dll,-2017")) name = L"Windows XP";
    if (SameTextNoCase(name, L"@themeui.dll,-2016")) name = L"Windows 经典";
    // A reference reads as a code: its text, or the file's name.
    if (!name.empty() && name[0] == L'@') name = SystemResourceString(name).value_or(L"");
    // A blank row, "卸载:" and "你要卸载主题:  吗?" tell the user nothing.
    if (name.find_first_not_of(L" \t") == std::wstring::npos)
        name = theme.FileName.substr(0, theme.FileName.rfind(L'.'));
    return name;
}
