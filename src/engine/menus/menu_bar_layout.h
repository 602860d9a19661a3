#pragma once
// Where the skinned menu bar puts its buttons: one per top-level item,
// each as wide as its caption and a margin, in a row from the start offset
// (from the left, or from the right for a right-to-left menu).
#include <windows.h>

#include <string>
#include <vector>

class TDataSkinObject;

struct TBarButtonFacts {
    std::wstring Caption; // with its "&" accelerator marker
    bool Visible = true;
};

// How far in from the bar's reading edge the first button starts.
int BarStartOffset(const TDataSkinObject* barImage, bool rightToLeft, int barWidth);
// A caption's button width with the font selected into `dc`; an empty
// caption has none.
int BarButtonWidth(HDC dc, const std::wstring& caption);
// Window rectangles of the buttons in `bar` (window coordinates); an
// invisible button gets the empty rectangle.
std::vector<RECT> LayoutBarButtons(HDC dc, const RECT& bar,
                                   const std::vector<TBarButtonFacts>& buttons, int startOffset,
                                   bool rightToLeft);
// The button whose accelerator is `character` (case-insensitive), or -1.
int AcceleratorButton(const std::vector<TBarButtonFacts>& buttons, wchar_t character);
