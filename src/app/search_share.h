#pragma once
// Searching the theme web site and sharing a theme as a search link.
#include <windows.h>

#include <string>

// The brand mark that shared theme names lose.
inline constexpr wchar_t kBrandMark[] = L"Tavro主题★";

// The site's search page for `keyword` (GB2312 bytes, URL-encoded).
std::wstring SearchUrl(const std::wstring& keyword);
// Opens the search page in the default browser; shell failures are ignored.
void OpenSearchPage(HWND owner, const std::wstring& keyword);
// When `name` holds the mark exactly, every occurrence of it in any letter
// case is removed; otherwise the name is returned as it is.
std::wstring StripBrandMark(const std::wstring& name);
// Replaces the clipboard's content with `text` (as Unicode and ANSI text).
bool PutTextOnClipboard(HWND owner, const std::wstring& text);
