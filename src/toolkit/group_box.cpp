#include "toolkit/group_box.h"

const TClassInfo& TGroupBox::StaticClass() {
    static const TClassInfo info(L"TGroupBox", &TCustomControl::StaticClass(), {},
                                 [](TComponent* o) { return new TGroupBox(o); });
    return info;
}

void TGroupBox::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.ClassStyle |= CS_HREDRAW | CS_VREDRAW; // the frame follows the size
}

// An etched frame whose top runs through the middle of the caption.
void TGroupBox::Paint(HDC dc) {
    TSelectObject font(dc, font_.Handle());
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    RECT frame{0, tm.tmHeight / 2, width_, height_};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    std::wstring caption = GetText();
    if (caption.empty()) return;
    SIZE size;
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    RECT label{8, 0, 8 + size.cx + 2, tm.tmHeight};
    SetBkColor(dc, ColorToRGB(color_));
    SetTextColor(dc, ColorToRGB(Enabled() ? font_.Color() : clSystemColor | COLOR_GRAYTEXT));
    ExtTextOutW(dc, 9, 0, ETO_OPAQUE, &label, caption.c_str(), static_cast<UINT>(caption.size()),
                nullptr);
}

const TClassInfo& TPanel::StaticClass() {
    static const TClassInfo info(L"TPanel", &TCustomControl::StaticClass(), {},
                                 [](TComponent* o) { return new TPanel(o); });
    return info;
}

void TPanel::Paint(HDC dc) {
    RECT r{0, 0, width_, height_};
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    std::wstring caption = GetText();
    if (caption.empty()) return;
    TSelectObject font(dc, font_.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(font_.Color()));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
