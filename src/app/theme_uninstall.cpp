#include "app/theme_uninstall.h"

#include "app/real_paths.h"
#include "app/recycle_bin.h"
#include "app/theme_paths.h"

#include "toolkit/unique_handle.h"

#include <windows.h>

namespace {

void RemoveEntry(const std::wstring& path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryW(path.c_str());
    else
        DeleteFileW(path.c_str());
}

// Where a folder really is, links resolved, with a trailing backslash; empty
// when that cannot be told.
std::wstring ResolvedFolder(const std::wstring& path) {
    std::wstring resolved = ExistingPath(path);
    if (resolved.empty()) return {};
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

// Whether a tree holds no link of any kind, by the rule RemoveContents
// enters folders.
bool HoldsNoLinks(const std::wstring& folder, const std::wstring& resolvedTop) {
    WIN32_FIND_DATAW found;
    HANDLE raw = FindFirstFileW((folder + L"\\*").c_str(), &found);
    TFindHandle search(ValidHandle(raw));
    if (!search) return true;
    do {
        std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring full = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return false;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(ResolvesInside(full, resolvedTop) && HoldsNoLinks(full, resolvedTop)))
            return false;
    } while (FindNextFileW(raw, &found));
    return true;
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

// The box has no owner, yet the program's windows take no input while it is
// up: a command clicked meanwhile would run into a half-done batch.
void ShowUninstallFailure() {
    MessageBoxW(nullptr, L"主题可能正在使用,请切换到其\r\n它主题后再卸载本主题!", L"卸载失败",
                MB_ICONERROR | MB_OK | MB_TASKMODAL);
}

// A file goes to the bin where there is one, else it is deleted.
bool RemoveFile(const std::wstring& path) {
    return RecycleFile(path) || DeleteFileW(LongPathForm(path).c_str());
}

// The wallpaper is checked through an open handle. Without a bin it is
// deleted through that handle: what was checked is what goes, even if its
// name meanwhile leads elsewhere. The bin takes it by the real name the
// check found, and a move never reaches through a link to its target.
void RemoveWallpaper(const TThemeBase& theme, const TThemesInfo& catalogue) {
    if (!HasImageExtension(theme.Wallpaper)) return;
    TFileHandle file = OpenPlainFile(theme.Wallpaper, DELETE);
    if (!file) return;
    const std::wstring real = FinalPath(file.Get());
    if (!IsRemovableWallpaper(real, theme, catalogue)) return;
    file.Reset();
    if (RecycleFile(real)) return;
    file = OpenPlainFile(real, DELETE);
    if (file && FinalPath(file.Get()) == real) DeleteOpenedFile(file.Get());
}

} // namespace

std::wstring TavroShortcutPath(const TThemeBase& theme) {
    std::wstring allUsers = NormalisePath(EnvironmentValue(L"ALLUSERSPROFILE"));
    if (allUsers.empty() || !IsPlainEntryName(theme.DisplayName)) return {};
    if (allUsers.back() != L'\\') allUsers += L'\\';
    return allUsers + L"「开始」菜单\\程序\\Tavro主题\\" + theme.DisplayName + L".lnk";
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
        if (HoldsNoLinks(path, resolvedTop) && RecycleFolder(folder)) return;
        RemoveContents(path, resolvedTop);
    }
    RemoveEntry(path, attributes);
}

bool UninstallTheme(const TThemeBase& theme, const TThemesInfo& catalogue) {
    if (IsSystemThemeFile(theme.FileName)) return false;
    if (theme.Path.empty() || !RemoveFile(theme.Path)) {
        ShowUninstallFailure();
        return false;
    }
    RemoveWallpaper(theme, catalogue);
    std::wstring themeDir = RemovableThemeDir(theme, catalogue);
    if (!themeDir.empty()) RemoveFolderTree(themeDir);
    if (theme.Company == tcTavro123) {
        std::wstring shortcut = TavroShortcutPath(theme);
        if (!shortcut.empty()) RemoveFile(shortcut);
    }
    return true;
}
