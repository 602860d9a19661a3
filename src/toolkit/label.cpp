#include "toolkit/label.h"

#include "toolkit/canvas.h"

const TClassInfo& TLabel::StaticClass() {
    static const TClassInfo info(
        L"TLabel", &TGraphicControl::StaticClass(),
        [](TClassInfo& c) {
            c.Bool<TLabel>(L"Transparent", &TLabel::Transparent, &TLabel::SetTransparent);
        },
        [](TComponent* o) { return new TLabel(o); });
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {}

void TLabel::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    if (!transparent_) TCanvas(dc).FillRect(r, color_);
    TSelectObject font(dc, font_.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? font_.Color() : clSystemColor | COLOR_GRAYTEXT));
    std::wstring text = GetText();
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_TOP | DT_WORDBREAK);
}
