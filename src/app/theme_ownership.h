#pragma once
// What of a theme's files the uninstaller may remove. Paths come from an
// untrusted .theme file, so a file or folder goes only when it is the
// theme's own: compared where it really lies (links and short names
// resolved), never with a name another installed theme still uses, and
// never anything the system's own themes use.
#include "app/themes_info.h"

#include <string>

// "Aero.theme", "Luna.theme", "Windows Classic.theme" and "Classic.theme",
// in any letter case: the themes Windows keeps in its theme folder. They are
// never uninstalled.
bool IsSystemThemeFile(const std::wstring& fileName);

// The wallpaper may go, judged by where the opened file really is
// (`realPath`): a local image file in the Windows folder's Resources\Themes
// tree or directly in its Web\Wallpaper folder, named by no other theme of
// the catalogue whose file is still there and lying in no other theme's
// folder.
bool IsRemovableWallpaper(const std::wstring& realPath, const TThemeBase& theme,
                          const TThemesInfo& catalogue);

// The folder that goes with the theme, where it really is; empty when none
// may go. It must be one existing sub-folder of the theme folder (also once
// resolved), hold the style file the theme names as a plain file of its own,
// not be a folder of the system's styles (Aero, Luna), and not be, nor hold
// the style or wallpaper of, another theme of the catalogue whose file is
// still there.
std::wstring RemovableThemeDir(const TThemeBase& theme, const TThemesInfo& catalogue);
