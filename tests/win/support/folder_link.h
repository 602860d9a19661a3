#pragma once
// Makes `link` a link to the folder `target`: a symbolic link if the system
// allows it, otherwise a junction. Returns an empty text on success, else
// what went wrong (Wine 8 reports success for symbolic links but makes
// nothing, so the result is checked on disk).
#include <string>

std::string MakeFolderLink(const std::wstring& link, const std::wstring& target);
