#pragma once
// The theme web site: scheme and host. Pages are named by path after it.
inline constexpr wchar_t kThemeSite[] = L"http://www.tavro123.com";
