#include "engine/controls/menu_button.h"

#include "engine/skin_draw.h"
#include "toolkit/gdi_objects.h"

namespace {

constexpr int kArrowColumn = 17;
constexpr int kCaptionInset = 2;

void DrawArrow(HDC dc, const RECT& rect, COLORREF colour) {
    const int w = rect.right - rect.left;
    const int middle = (rect.bottom - rect.top) / 2 + 2;
    const POINT points[] = {{rect.left + w - 12, rect.top + middle},
                            {rect.left + w - 15, rect.top + middle - 3},
                            {rect.left + w - 9, rect.top + middle - 3}};
    TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    TBrushHandle brush(CreateSolidBrush(colour));
    TSelectObject usePen(dc, pen.Get());
    TSelectObject useBrush(dc, brush.Get());
    Polygon(dc, points, 3);
}

} // namespace

void PaintMenuButton(HDC dc, const RECT& rect, const TPushButtonLook& look, COLORREF arrowColour) {
    if (!look.Buttons) return;
    DrawButtonFrame(dc, rect, look);
    DrawArrow(dc, rect, arrowColour);
    if (look.Caption.empty()) return;
    TSavedDC saved(dc);
    if (look.Font) SelectObject(dc, look.Font);
    UINT flags = DT_WORDBREAK;
    if (look.RightToLeft) flags |= DT_RTLREADING;
    if (look.HidePrefix) flags |= DT_HIDEPREFIX;
    const int length = static_cast<int>(look.Caption.size());
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    RECT text{rect.left, rect.top, rect.left + w - kArrowColumn, rect.bottom};
    InflateRect(&text, -kCaptionInset, -kCaptionInset);
    DrawTextW(dc, look.Caption.c_str(), length, &text, flags | DT_CALCRECT);
    const int tw = text.right - text.left, th = text.bottom - text.top;
    const int x = rect.left + (w - kArrowColumn - tw) / 2 + kCaptionInset;
    const int y = rect.top + (h - th + 1) / 2;
    text = RECT{x, y, x + tw, y + th};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.TextColour);
    DrawTextW(dc, look.Caption.c_str(), length, &text, flags);
    if (look.FocusCue) DrawCaptionFocus(dc, text);
}

const TClassInfo& TSkinMenuButton::StaticClass() {
    static const TClassInfo info(L"TSkinMenuButton", &TSkinButton::StaticClass());
    return info;
}

void TSkinMenuButton::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasButtonStrip()) return;
    const int frame = FrameFor(ReadFacts());
    const TPushButtonLook look = CaptionLook(frame, false);
    const COLORREF arrow = GetSysColor(frame == bfDisabled ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    PaintBuffered(dc, rect, [&](HDC buffer) {
        PaintBackground(buffer, rect);
        PaintMenuButton(buffer, rect, look, arrow);
    });
}
