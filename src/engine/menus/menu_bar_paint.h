#pragma once
// Painting the skinned menu bar: its background from the skin's menu-bar
// image (the first frame for an active window, the second for an inactive
// one) or the Menubar colour, and each button's caption centred, with a
// one-pixel frame around the hot or pressed one.
#include "engine/nc_object.h"

#include <windows.h>

#include <string>

class TDataSkinObject;

struct TMenuBarLook {
    const TDataSkinObject* Image = nullptr; // null: the Menubar colour
    bool Active = true;
    COLORREF Menubar = 0, Text = 0, Shadow = 0, Hilight = 0;
    HFONT Font = nullptr;
};

struct TBarButtonPicture {
    RECT Rect{}; // in the target's coordinates
    std::wstring Caption;
    bool Enabled = true;
    TNCState State = ncNormal;
};

// The bar without its captions, over `rect`.
void PaintMenuBarBackground(HDC dc, const RECT& rect, const TMenuBarLook& look);
// One button over what is already there.
void PaintBarButton(HDC dc, const TBarButtonPicture& button, const TMenuBarLook& look);
