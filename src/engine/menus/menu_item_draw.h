#pragma once
// Drawing one skinned menu item into a device context: its background
// (copied from the popup window's composed background), the skin's item
// frame (normal or selected), the glyph box with an image or a check mark,
// the caption and the shortcut, or the separator. No window is involved,
// so the routine can be called on a bitmap.
#include <windows.h>
#include <commctrl.h>

#include <string>

class TBitmap;
class TDataSkinObject;
class TElementFrames;

// Everything an item's picture depends on but the item.
struct TMenuItemLook {
    // The skin's menu-item strip (5 frames: 1 normal, 2 separator, 4
    // selected); null draws flat items in the Menu and Hilight colours.
    const TDataSkinObject* Record = nullptr;
    // The popup window's background and where the item's client rectangle
    // lies in it; null (or empty) fills with the Menu colour.
    const TBitmap* Background = nullptr;
    POINT BackgroundOffset{0, 0};
    COLORREF Menu = 0, Hilight = 0, MenuText = 0, HilightText = 0, ButtonShadow = 0;
    HFONT Font = nullptr, Bold = nullptr;
    HBITMAP Check = nullptr; // monochrome, black where the mark is
    SIZE CheckSize{0, 0};
    HBRUSH Dither = nullptr;
    HIMAGELIST Images = nullptr;
    // The window's kept frames (a menu's items share one size); none:
    // composed anew.
    TElementFrames* Frames = nullptr;
    // A kept off-screen buffer, grown as needed; none: one made per item.
    TBitmap* Buffer = nullptr;
};

struct TMenuItemPicture {
    std::wstring Text; // caption, a tab and the shortcut; "-" for a separator
    bool Selected = false;
    bool Disabled = false;
    bool Checked = false;
    bool Default = false;
    bool RightToLeft = false;
    int Image = -1; // index into the look's images
    // An item without a toolkit object: the record's frame is drawn under
    // a separator too, which then shows an etched line.
    bool Raw = false;
    bool Separator() const { return Text.empty() || Text == L"-"; }
};

void PaintMenuItem(HDC dc, const RECT& rect, const TMenuItemPicture& item,
                   const TMenuItemLook& look);

// The colour of an item's text.
COLORREF MenuTextColour(const TMenuItemPicture& item, const TMenuItemLook& look);
