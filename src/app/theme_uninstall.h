#pragma once
// Removes one installed theme from disk: its theme file, then (only if that
// worked) its wallpaper, its visual-style folder and, for a Tavro theme, its
// start-menu shortcut. Paths come from an untrusted .theme file, so each
// removal is checked against the catalogue first. What is removed goes to
// the Recycle Bin where its volume has one (recycle_bin.h).
#include "app/theme_ownership.h"
#include "app/themes_info.h"

#include <string>

// Failure to delete the theme file (typically: the theme is in use) shows the
// failure message box and removes nothing else. Returns whether the theme
// file was deleted; a system theme is refused without a word. The
// catalogue's list is not touched; refresh afterwards.
bool UninstallTheme(const TThemeBase& theme, const TThemesInfo& catalogue);

// The start-menu shortcut of a Tavro theme, or empty when the display name
// cannot be a plain file name or the all-users profile is no local absolute
// folder (an empty one would give a path on the current drive's root).
std::wstring TavroShortcutPath(const TThemeBase& theme);

// Removes a folder with everything in it, best effort. Links and junctions
// inside it are removed as links; their targets are never entered. A tree
// without links goes to the bin whole; one with links is deleted here, entry
// by entry, as the shell's own deletion would follow them.
void RemoveFolderTree(const std::wstring& folder);
