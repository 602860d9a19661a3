#pragma once
// The name a user reads for a theme: the stored display name with its
// readable substitutes, resource references resolved from the system's own
// DLLs, and the file's name where nothing readable is left.
#include "app/themes_info.h"

#include <optional>
#include <string>

// The name the list shows for a theme: its stored display name, or its file
// name without the extension when it has none (or its file is unreadable,
// or it is a resource reference that does not resolve).
std::wstring ShownThemeName(const TThemeBase& theme);

// The text behind a reference such as "@%SystemRoot%\System32\themeui.dll,-2013",
// read only from a DLL of the system folder (a bare DLL name means the
// system folder's); nothing for another folder or a malformed reference.
std::optional<std::wstring> SystemResourceString(const std::wstring& reference);
