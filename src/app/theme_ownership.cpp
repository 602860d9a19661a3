#include "app/theme_ownership.h"

#include "app/real_paths.h"
#include "app/theme_paths.h"

#include <windows.h>

#include <algorithm>

namespace {

// Another theme that still holds its files: a batch removes several themes
// from one catalogue, and those already removed hold nothing any more.
bool IsOtherInstalledTheme(const TThemeBase& other, const TThemeBase& theme) {
    if (&other == &theme || SameTextNoCase(other.Path, theme.Path)) return false;
    DWORD attributes = GetFileAttributesW(LongPathForm(other.Path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES;
}

template <class Test>
bool AnyOtherTheme(const TThemeBase& theme, const TThemesInfo& catalogue, Test test) {
    for (int i = 0; i < catalogue.Items.Count(); ++i) {
        const TThemeBase& other = catalogue.Items.GetItem(i);
        if (IsOtherInstalledTheme(other, theme) && test(other)) return true;
    }
    return false;
}

std::wstring LastComponent(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The folders Windows keeps its own visual styles in; the folders of the
// system themes still installed are found through their theme files.
bool IsSystemStyleFolder(const std::wstring& name) {
    return SameTextNoCase(name, L"Aero") || SameTextNoCase(name, L"Luna");
}

bool IsSameOrInside(const std::wstring& path, const std::wstring& folder) {
    return !path.empty() && (SameTextNoCase(path, folder) || IsInsideFolder(path, folder, false));
}

// Proof that the folder is the theme's own: the style file the theme names
// lies directly in it as a plain file, not behind a link.
bool HoldsStyleFile(const std::wstring& realDir, const std::wstring& stylePath) {
    std::wstring name = LastComponent(stylePath);
    if (!IsPlainEntryName(name)) return false;
    TFileHandle style = OpenPlainFile(realDir + L"\\" + name, 0);
    return style && IsInsideFolder(FinalPath(style.Get()), realDir, true);
}

// Another theme's folder, style file or wallpaper is the folder or lies in it.
bool IsUsedByAnotherTheme(const std::wstring& realDir, const TThemeBase& theme,
                          const TThemesInfo& catalogue) {
    return AnyOtherTheme(theme, catalogue, [&](const TThemeBase& other) {
        return SameTextNoCase(RealPath(other.ThemeDir), realDir) ||
               IsSameOrInside(RealPath(other.VisualStyle), realDir) ||
               IsSameOrInside(RealPath(other.Wallpaper), realDir);
    });
}

} // namespace

bool IsSystemThemeFile(const std::wstring& fileName) {
    static const wchar_t* const kSystemThemes[] = {L"Aero.theme", L"Luna.theme",
                                                   L"Windows Classic.theme", L"Classic.theme"};
    return std::any_of(std::begin(kSystemThemes), std::end(kSystemThemes),
                       [&](const wchar_t* name) { return SameTextNoCase(fileName, name); });
}

bool IsRemovableWallpaper(const std::wstring& realPath, const TThemeBase& theme,
                          const TThemesInfo& catalogue) {
    if (!IsLocalAbsolutePath(realPath) || !HasImageExtension(realPath)) return false;
    std::wstring windows = EnvironmentValue(L"windir");
    if (windows.empty()) return false;
    bool inThemes = IsInsideFolder(realPath, RealPath(windows + L"\\Resources\\Themes"), false);
    bool inWallpapers = IsInsideFolder(realPath, RealPath(windows + L"\\Web\\Wallpaper"), true);
    if (!inThemes && !inWallpapers) return false;
    return !AnyOtherTheme(theme, catalogue, [&](const TThemeBase& other) {
        return SameTextNoCase(RealPath(other.Wallpaper), realPath) ||
               IsInsideFolder(realPath, RealPath(other.ThemeDir), false);
    });
}

std::wstring RemovableThemeDir(const TThemeBase& theme, const TThemesInfo& catalogue) {
    const std::wstring& dir = theme.ThemeDir;
    const std::wstring& themes = catalogue.ThemesPath;
    if (dir.size() <= themes.size() || !SameTextNoCase(dir.substr(0, themes.size()), themes) ||
        !IsPlainEntryName(dir.substr(themes.size())))
        return {};
    // Judged where it really is: a short name or a link may name another
    // folder than its text says.
    std::wstring realDir = ExistingPath(dir);
    if (realDir.empty() || !IsInsideFolder(realDir, ExistingPath(themes), true) ||
        IsSystemStyleFolder(LastComponent(realDir)) ||
        !HoldsStyleFile(realDir, theme.VisualStyle) ||
        IsUsedByAnotherTheme(realDir, theme, catalogue))
        return {};
    return realDir;
}
