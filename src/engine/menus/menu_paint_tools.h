#pragma once
// The GDI objects every skinned menu item is drawn with: the menu font and
// its bold twin (default items), the check mark and the dither brush behind
// a checked image, and the items' off-screen buffer. Made once by their
// owner and kept, never per item.
#include "toolkit/bitmap.h"
#include "toolkit/gdi_objects.h"

#include <windows.h>

class TMenuPaintTools {
public:
    TMenuPaintTools();
    TMenuPaintTools(const TMenuPaintTools&) = delete;
    TMenuPaintTools& operator=(const TMenuPaintTools&) = delete;

    HFONT Font() const { return font_.Get(); }
    HFONT Bold() const { return bold_.Get(); }
    // Monochrome: black where the mark is.
    HBITMAP Check() const { return check_.Get(); }
    SIZE CheckSize() const { return checkSize_; }
    HBRUSH Dither() const { return dither_.Get(); }
    // Where an item is composed before it goes on the screen in one piece;
    // kept, as a menu draws its items one after another.
    TBitmap* ItemBuffer() const { return &itemBuffer_; }

private:
    TFontHandle font_, bold_;
    TBitmapHandle check_;
    SIZE checkSize_{0, 0};
    TBitmapHandle ditherPattern_;
    TBrushHandle dither_;
    mutable TBitmap itemBuffer_;
};

// The system's menu font.
LOGFONTW MenuLogFont();
