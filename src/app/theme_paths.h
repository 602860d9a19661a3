#pragma once
// Path checks shared by the catalogue, the uninstaller and the shell
// hand-offs. A .theme file is untrusted input: every path read from one is
// checked here before anything is deleted or handed to the shell.
#include "toolkit/text_compare.h"

#include <string>

// Value of an environment variable; empty when it is not set.
std::wstring EnvironmentValue(const wchar_t* name);

// Expands %VAR% references; the text is returned unchanged if expansion
// fails. No length limit, so a long result is never cut into another path.
std::wstring ExpandEnvironment(const std::wstring& text);

// True for a name that can only mean one direct entry of a folder: not
// empty, not "." or "..", no separator, drive colon, quote, wildcard,
// redirection character or control character, no trailing dot or space
// (Windows would strip those and could land on the folder itself), and no
// reserved device name.
bool IsPlainEntryName(const std::wstring& name);

// CON, PRN, AUX, NUL, COM0-9, LPT0-9 (also with a superscript digit),
// CONIN$ and CONOUT$, in any case, with any extension and with spaces before
// it: in any folder, Windows opens the device instead of a file.
bool IsReservedDeviceName(const std::wstring& name);

// True for "X:\..." with no UNC, device or stream syntax and no wildcard.
bool IsLocalAbsolutePath(const std::wstring& path);

// The absolute, normalised form ("..", "." and doubled separators resolved);
// empty when the path is not a local absolute path.
std::wstring NormalisePath(const std::wstring& path);

// True when path lies inside folder (folder with or without trailing
// backslash); with directOnly, only as a direct entry. Both are normalised
// first; the folder itself is not inside itself.
bool IsInsideFolder(const std::wstring& path, const std::wstring& folder, bool directOnly);

// bmp, dib, jpg, jpeg, jpe, jfif, gif, png, tif, tiff, wdp, webp.
bool HasImageExtension(const std::wstring& path);
bool HasExtension(const std::wstring& path, const std::wstring& dotExtension);

// The \\?\ form of a long local path so that file functions accept it;
// shorter paths are returned as they are.
std::wstring LongPathForm(const std::wstring& path);
