#pragma once
// Toolkit colours: 0x00BBGGRR for a direct colour, 0xFF0000nn for system
// colour nn.
#include <windows.h>

#include <string>

using TColor = int;

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clNone = 0x1FFFFFFF;

inline COLORREF ColorToRGB(TColor c) {
    return (c & clSystemColor) == clSystemColor ? GetSysColor(c & 0xFF) : static_cast<COLORREF>(c);
}

// The identifiers a form description may use for integer values ("clBtnFace",
// "GB2312_CHARSET", "crHandPoint"); false when `name` is none of them.
bool IdentToInt(const std::wstring& name, long long& value);
