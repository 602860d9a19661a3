#pragma once
// Removes one installed theme from disk: its theme file, then (only if that
// worked) its wallpaper, its visual-style folder and, for a Tavro theme, its
// start-menu shortcut. Paths come from an untrusted .theme file, so each
// removal is checked against the catalogue first.
#include "app/themes_info.h"

#include <string>

// Failure to delete the theme file (typically: the theme is in use) shows the
// failure message box and removes nothing else. Returns whether the theme
// file was deleted. The catalogue's list is not touched; refresh afterwards.
bool UninstallTheme(const TThemeBase& theme, const TThemesInfo& catalogue);

// "Luna.theme" and "Windows Classic.theme", in any letter case: never
// uninstalled by the commands.
bool IsSystemThemeFile(const std::wstring& fileName);

// The checks, exposed for tests.

// The wallpaper may go: a local image file in the Windows folder's
// Resources\Themes tree or directly in its Web\Wallpaper folder, named by no
// other theme of the catalogue whose file is still there.
bool IsRemovableWallpaper(const TThemeBase& theme, const TThemesInfo& catalogue);
// The folder may go: exactly one sub-folder of the theme folder, used by no
// other theme of the catalogue whose file is still there.
bool IsRemovableThemeDir(const TThemeBase& theme, const TThemesInfo& catalogue);
// The start-menu shortcut of a Tavro theme, or empty when the display name
// cannot be a plain file name.
std::wstring TavroShortcutPath(const TThemeBase& theme);

// Removes a folder with everything in it, best effort. Links and junctions
// inside it are removed as links; their targets are never entered.
void RemoveFolderTree(const std::wstring& folder);
