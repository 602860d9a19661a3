#include "app/theme_uninstall.h"

#include "app/theme_paths.h"

#include "toolkit/unique_handle.h"

#include <windows.h>

namespace {

// Short (8.3) spellings are resolved too so that two names of one file compare equal.
std::wstring CanonicalFile(const std::wstring& path) {
    std::wstring full = NormalisePath(path);
    if (full.empty()) return {};
    std::wstring longForm = LongPathForm(full);
    DWORD size = GetLongPathNameW(longForm.c_str(), nullptr, 0);
    if (size == 0) return full;
    std::wstring out(size, L'\0');
    DWORD got = GetLongPathNameW(longForm.c_str(), out.data(), size);
    if (got == 0 || got >= size) return full;
    out.resize(got);
    if (out.rfind(L"\\\\?\\", 0) == 0) out.erase(0, 4);
    return out;
}

// Another theme that still holds its files: a batch removes several themes
// from one catalogue, and those already removed hold nothing any more.
bool IsOtherInstalledTheme(const TThemeBase& other, const TThemeBase& theme) {
    if (&other == &theme || SameTextNoCase(other.Path, theme.Path)) return false;
    DWORD attributes = GetFileAttributesW(LongPathForm(other.Path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES;
}

bool IsPlainFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveEntry(const std::wstring& path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryW(path.c_str());
    else
        DeleteFileW(path.c_str());
}

// Where a folder really is, links resolved; empty when that cannot be told.
std::wstring ResolvedFolder(const std::wstring& path) {
    HANDLE raw = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    TFileHandle handle(ValidHandle(raw));
    if (!handle) return {};
    wchar_t buffer[1024];
    DWORD got = GetFinalPathNameByHandleW(raw, buffer, 1024, FILE_NAME_NORMALIZED);
    if (got == 0 || got >= 1024) return {};
    std::wstring resolved(buffer, got);
    if (resolved.back() != L'\\') resolved += L'\\';
    return resolved;
}

// A folder is entered only when it really lies inside the tree being
// removed. Links that the system does not mark as reparse points (Wine shows
// Unix symbolic links as plain folders) are caught this way.
bool ResolvesInside(const std::wstring& path, const std::wstring& resolvedTop) {
    std::wstring resolved = ResolvedFolder(path);
    return !resolved.empty() && !resolvedTop.empty() && resolved.size() > resolvedTop.size() &&
           SameTextNoCase(resolved.substr(0, resolvedTop.size()), resolvedTop);
}

void RemoveContents(const std::wstring& folder, const std::wstring& resolvedTop) {
    WIN32_FIND_DATAW found;
    HANDLE raw = FindFirstFileW((folder + L"\\*").c_str(), &found);
    TFindHandle search(ValidHandle(raw));
    if (!search) return;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring full = folder + L"\\" + name;
        bool isLink = found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !isLink &&
            ResolvesInside(full, resolvedTop))
            RemoveContents(full, resolvedTop);
        RemoveEntry(full, found.dwFileAttributes);
    } while (FindNextFileW(raw, &found));
}

void ShowUninstallFailure() {
    MessageBoxW(nullptr, L"主题可能正在使用,请切换到其\r\n它主题后再卸载本主题!", L"卸载失败",
                MB_ICONERROR | MB_OK);
}

} // namespace

bool IsSystemThemeFile(const std::wstring& fileName) {
    return SameTextNoCase(fileName, L"Luna.theme") ||
           SameTextNoCase(fileName, L"Windows Classic.theme");
}

bool IsRemovableWallpaper(const TThemeBase& theme, const TThemesInfo& catalogue) {
    if (!HasImageExtension(theme.Wallpaper)) return false;
    std::wstring wallpaper = CanonicalFile(theme.Wallpaper);
    if (wallpaper.empty()) return false;
    std::wstring windows = EnvironmentValue(L"windir");
    if (windows.empty()) return false;
    bool inThemes =
        IsInsideFolder(wallpaper, CanonicalFile(windows + L"\\Resources\\Themes"), false);
    bool inWallpapers =
        IsInsideFolder(wallpaper, CanonicalFile(windows + L"\\Web\\Wallpaper"), true);
    if (!inThemes && !inWallpapers) return false;
    for (int i = 0; i < catalogue.Items.Count(); ++i) {
        const TThemeBase& other = catalogue.Items.GetItem(i);
        if (!IsOtherInstalledTheme(other, theme) || other.Wallpaper.empty()) continue;
        if (SameTextNoCase(CanonicalFile(other.Wallpaper), wallpaper)) return false;
    }
    return true;
}

bool IsRemovableThemeDir(const TThemeBase& theme, const TThemesInfo& catalogue) {
    const std::wstring& dir = theme.ThemeDir;
    const std::wstring& themes = catalogue.ThemesPath;
    if (dir.size() <= themes.size() || !SameTextNoCase(dir.substr(0, themes.size()), themes))
        return false;
    if (!IsPlainEntryName(dir.substr(themes.size()))) return false;
    for (int i = 0; i < catalogue.Items.Count(); ++i) {
        const TThemeBase& other = catalogue.Items.GetItem(i);
        if (IsOtherInstalledTheme(other, theme) && SameTextNoCase(other.ThemeDir, dir))
            return false;
    }
    return true;
}

std::wstring TavroShortcutPath(const TThemeBase& theme) {
    if (!IsPlainEntryName(theme.DisplayName)) return {};
    return EnvironmentValue(L"ALLUSERSPROFILE") + L"\\「开始」菜单\\程序\\Tavro主题\\" +
           theme.DisplayName + L".lnk";
}

void RemoveFolderTree(const std::wstring& folder) {
    std::wstring path = LongPathForm(folder);
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    // A link in place of the folder goes as itself; what it points at stays.
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        // The folder must really be where its name says, not a link in disguise.
        size_t slash = path.find_last_of(L'\\');
        if (slash == std::wstring::npos ||
            !ResolvesInside(path, ResolvedFolder(path.substr(0, slash + 1))))
            return;
        std::wstring resolvedTop = ResolvedFolder(path);
        RemoveContents(path, resolvedTop);
    }
    RemoveEntry(path, attributes);
}

bool UninstallTheme(const TThemeBase& theme, const TThemesInfo& catalogue) {
    if (theme.Path.empty() || !DeleteFileW(LongPathForm(theme.Path).c_str())) {
        ShowUninstallFailure();
        return false;
    }
    if (IsRemovableWallpaper(theme, catalogue) && IsPlainFile(theme.Wallpaper))
        DeleteFileW(LongPathForm(theme.Wallpaper).c_str());
    if (IsRemovableThemeDir(theme, catalogue)) RemoveFolderTree(theme.ThemeDir);
    if (theme.Company == tcTavro123) {
        std::wstring shortcut = TavroShortcutPath(theme);
        if (!shortcut.empty()) DeleteFileW(LongPathForm(shortcut).c_str());
    }
    return true;
}
