#include "toolkit/speed_button.h"

#include "toolkit/canvas.h"

const TClassInfo& TSpeedButton::StaticClass() {
    static const TClassInfo info(
        L"TSpeedButton", &TGraphicControl::StaticClass(),
        [](TClassInfo& c) {
            c.Obj<TSpeedButton, TBitmap>(L"Glyph", &TSpeedButton::Glyph);
            c.Bool<TSpeedButton>(L"Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
        },
        [](TComponent* o) { return new TSpeedButton(o); });
    return info;
}

void TSpeedButton::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP) {
        pressed_ = m.Msg == WM_LBUTTONDOWN;
        Invalidate();
    }
    TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    TCanvas canvas(dc);
    canvas.FillRect(r, color_);
    if (!flat_ || pressed_) DrawEdge(dc, &r, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    int shift = pressed_ ? 1 : 0;
    std::wstring text = GetText();
    int glyphWidth = glyph_.Empty() ? 0 : glyph_.Width() + (text.empty() ? 0 : 4);
    SIZE size{0, 0};
    TSelectObject font(dc, font_.Handle());
    if (!text.empty())
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    int x = (width_ - glyphWidth - size.cx) / 2 + shift;
    if (!glyph_.Empty()) canvas.Draw(x, (height_ - glyph_.Height()) / 2 + shift, glyph_, true);
    if (!text.empty()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Enabled() ? font_.Color() : clSystemColor | COLOR_GRAYTEXT));
        TextOutW(dc, x + glyphWidth, (height_ - size.cy) / 2 + shift, text.c_str(),
                 static_cast<int>(text.size()));
    }
}
