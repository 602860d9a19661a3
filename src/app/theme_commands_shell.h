#pragma once
// Hand-offs to the shell for the theme commands: verb "open", outcome not
// examined. Each path comes from an untrusted .theme file or the
// environment, so only what each command means is ever handed over: an
// image to view, a theme file to apply, a folder to open — never a program,
// a script or a network path.
#include <windows.h>

#include <string>

// Pure checks on the text of a path.

// A local absolute path ("X:\...") with an image extension.
bool IsViewableWallpaperPath(const std::wstring& path);
// A .theme file directly inside the theme folder.
bool IsUsableThemePath(const std::wstring& path, const std::wstring& themesPath);
// A local absolute folder path.
bool IsOpenableFolderPath(const std::wstring& folder);

// The visual style or wallpaper path of a theme file that does not lead to
// a file on this computer (a network share, a network drive, a URL), or
// empty. Applying the theme, the shell would follow it.
std::wstring OffComputerPathOfTheme(const std::wstring& themeFile);

// The hand-offs; each checks the path (and that it exists on a local drive)
// first and does nothing otherwise. Return whether the shell was asked.
bool ViewWallpaper(HWND owner, const std::wstring& path);
bool UseTheme(HWND owner, const std::wstring& path, const std::wstring& themesPath);
bool OpenFolder(HWND owner, const std::wstring& folder);
