#include "app/theme_commands_shell.h"

#include "app/theme_paths.h"

#include <shellapi.h>

namespace {

bool IsOnLocalDrive(const std::wstring& path) {
    wchar_t root[] = {path[0], L':', L'\\', 0};
    UINT type = GetDriveTypeW(root);
    return type != DRIVE_REMOTE && type != DRIVE_NO_ROOT_DIR && type != DRIVE_UNKNOWN;
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
