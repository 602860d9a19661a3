#pragma once
// Where a path really leads once the file system has had its say: links,
// junctions and short (8.3) names resolved. Two names of one file or folder
// compare equal only in this form, so every ownership check of the
// uninstaller compares these, never the names a .theme file gave.
#include "toolkit/unique_handle.h"

#include <windows.h>

#include <string>

// The path of an open file or folder as the system resolved it, without
// the "\\?\" prefix; empty when it cannot be told. A network path comes back
// as "UNC\...", which no local path check accepts.
std::wstring FinalPath(HANDLE file);

// The final path of an existing file or folder (links followed all the
// way); empty when nothing can be opened there.
std::wstring ExistingPath(const std::wstring& path);

// ExistingPath where there is something; for a name that does not exist,
// its long, normalised form. Empty for anything that is not a local
// absolute path.
std::wstring RealPath(const std::wstring& path);

// Opens a file without following a link in its last step, and only if what
// is there is a plain file (no folder, no link of any kind), with `access`
// besides reading its attributes. What the checks then find on this handle
// is what a deletion through it removes.
TFileHandle OpenPlainFile(const std::wstring& path, DWORD access);

// Deletes the file behind an open handle, whatever its name leads to by now.
bool DeleteOpenedFile(HANDLE file);
