#pragma once
// Drawing on a device context that someone else owns (a paint DC, a
// bitmap's memory DC), with the toolkit's colours and fonts.
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"

#include <string>

class TBitmap;
class TFont;

class TCanvas {
public:
    explicit TCanvas(HDC dc) : dc_(dc) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    void FillRect(const RECT& r, TColor colour);
    void FrameRect(const RECT& r, TColor colour);
    void TextOut(int x, int y, const std::wstring& text, const TFont& font);
    // Draws the bitmap at (x, y); transparent leaves its bottom-left colour out.
    void Draw(int x, int y, const TBitmap& bitmap, bool transparent = false);

private:
    HDC dc_;
};
