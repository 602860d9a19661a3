#include "toolkit/canvas.h"

#include "toolkit/bitmap.h"
#include "toolkit/font.h"

void TCanvas::FillRect(const RECT& r, TColor colour) {
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
    if (brush) ::FillRect(dc_, &r, brush.Get());
}

void TCanvas::FrameRect(const RECT& r, TColor colour) {
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
    if (brush) ::FrameRect(dc_, &r, brush.Get());
}

void TCanvas::TextOut(int x, int y, const std::wstring& text, const TFont& font) {
    TSelectObject select(dc_, font.Handle());
    int mode = SetBkMode(dc_, TRANSPARENT);
    COLORREF old = SetTextColor(dc_, ColorToRGB(font.Color()));
    ::TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc_, old);
    SetBkMode(dc_, mode);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap, bool transparent) {
    if (bitmap.Empty()) return;
    if (transparent)
        TransparentBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.DC(), 0, 0,
                       bitmap.Width(), bitmap.Height(), bitmap.TransparentColor());
    else
        BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.DC(), 0, 0, SRCCOPY);
}
