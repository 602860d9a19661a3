#include "app/theme_commands_shell.h"

#include "app/theme_file.h"
#include "app/theme_paths.h"

#include <shellapi.h>

#include <utility>

namespace {

bool IsOnLocalDrive(const std::wstring& path) {
    wchar_t root[] = {path[0], L':', L'\\', 0};
    UINT type = GetDriveTypeW(root);
    return type != DRIVE_REMOTE && type != DRIVE_NO_ROOT_DIR && type != DRIVE_UNKNOWN;
}

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// Relative names and unexpanded variables ("%ResourceDir%\...") are looked
// up here too; two leading separators (a share, a device) or a colon
// anywhere but after a drive letter (a URL) lead elsewhere.
bool IsOnThisComputer(const std::wstring& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return false;
    size_t colon = path.find(L':');
    if (colon == std::wstring::npos) return true;
    return colon == 1 && IsOnLocalDrive(path);
}

bool Exists(const std::wstring& path, bool folder) {
    DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}

void ShellOpen(HWND owner, const std::wstring& path) {
    ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace

bool IsViewableWallpaperPath(const std::wstring& path) {
    return IsLocalAbsolutePath(path) && HasImageExtension(path);
}

bool IsUsableThemePath(const std::wstring& path, const std::wstring& themesPath) {
    return IsLocalAbsolutePath(path) && HasExtension(path, L".theme") &&
           IsInsideFolder(path, themesPath, true);
}

bool IsOpenableFolderPath(const std::wstring& folder) {
    return IsLocalAbsolutePath(folder);
}

std::wstring OffComputerPathOfTheme(const std::wstring& themeFile) {
    TThemeFile file = TThemeFile::Load(themeFile);
    for (const auto& [section, key] : {std::pair{L"VisualStyles", L"Path"},
                                       std::pair{L"Control Panel\\Desktop", L"Wallpaper"}}) {
        std::wstring path = ExpandEnvironment(file.ReadString(section, key));
        if (!IsOnThisComputer(path)) return path;
    }
    return {};
}

bool ViewWallpaper(HWND owner, const std::wstring& path) {
    if (!IsViewableWallpaperPath(path) || !IsOnLocalDrive(path) || !Exists(path, false))
        return false;
    ShellOpen(owner, path);
    return true;
}

bool UseTheme(HWND owner, const std::wstring& path, const std::wstring& themesPath) {
    if (!IsUsableThemePath(path, themesPath) || !Exists(path, false)) return false;
    ShellOpen(owner, path);
    return true;
}

bool OpenFolder(HWND owner, const std::wstring& folder) {
    if (!IsOpenableFolderPath(folder) || !Exists(folder, true)) return false;
    // The folders end with a backslash; handed on quoted, "C:\x\" would
    // escape its own closing quote in the file manager's command line.
    std::wstring target = folder;
    while (target.size() > 3 && target.back() == L'\\')
        target.pop_back();
    ShellOpen(owner, target);
    return true;
}
