#include "toolkit/speed_button.h"

#include "toolkit/canvas.h"

const TClassInfo& TSpeedButton::StaticClass() {
    static const TClassInfo info(
        L"TSpeedButton", &TGraphicControl::StaticClass(),
        [](TClassInfo& c) {
            TButtonGlyph::Publish<TSpeedButton>(c);
            c.Bool<TSpeedButton>(L"Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat);
            c.Bool<TSpeedButton>(L"Down", &TSpeedButton::Down, &TSpeedButton::SetDown);
        },
        [](TComponent* o) { return new TSpeedButton(o); });
    return info;
}

void TSpeedButton::SetFlat(bool v) {
    flat_ = v;
    Invalidate();
}

void TSpeedButton::SetDown(bool v) {
    down_ = v;
    Invalidate();
}

void TSpeedButton::WndProc(TMessage& m) {
    if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP) {
        pressed_ = m.Msg == WM_LBUTTONDOWN;
        Invalidate();
    }
    TGraphicControl::WndProc(m);
}

// The platform look: a raised edge (none when flat and at rest), sunken
// while pressed or down, with the glyph's first piece beside the caption.
void TSpeedButton::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    TCanvas canvas(dc);
    canvas.FillRect(r, color_);
    const bool sunk = pressed_ || down_;
    if (!flat_ || sunk) DrawEdge(dc, &r, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    int shift = sunk ? 1 : 0;
    std::wstring text = GetText();
    const int pieceWidth = glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_;
    int glyphWidth = glyph_.Empty() ? 0 : pieceWidth + (text.empty() ? 0 : 4);
    SIZE size{0, 0};
    TSelectObject font(dc, font_.Handle());
    if (!text.empty())
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    int x = (width_ - glyphWidth - size.cx) / 2 + shift;
    if (!glyph_.Empty()) {
        const int y = (height_ - glyph_.Height()) / 2 + shift;
        TransparentBlt(dc, x, y, pieceWidth, glyph_.Height(), glyph_.DC(), 0, 0, pieceWidth,
                       glyph_.Height(), glyph_.TransparentColor());
    }
    if (!text.empty()) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Enabled() ? font_.Color() : clSystemColor | COLOR_GRAYTEXT));
        TextOutW(dc, x + glyphWidth, (height_ - size.cy) / 2 + shift, text.c_str(),
                 static_cast<int>(text.size()));
    }
}
