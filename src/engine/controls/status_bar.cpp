#include "engine/controls/status_bar.h"

#include "core/nine_slice.h"
#include "core/skin_model.h"
#include "engine/skin_draw.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/status_bar.h"

#include <commctrl.h>

namespace {

constexpr int kEdgeFrames = 3;
constexpr int kGripFrame = 5;

// The skin's strip, or the platform's 1-pixel bevel without one.
void DrawEdge(HDC dc, const RECT& r, int edge, const TDataSkinObject* edges) {
    if (edges && !edges->Bitmap.Empty()) {
        const auto bitmap =
            BuildSkinBitmap(r, TSkinFrame{&edges->Bitmap, edge, kEdgeFrames}, edges->Margins(),
                            TStripAxis::Horizontal, edges->Fill());
        if (bitmap)
            BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, bitmap->DC(), 0, 0,
                   SRCCOPY);
        return;
    }
    if (edge == 3) return;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF topLeft = edge == 1 ? shadow : light, bottomRight = edge == 1 ? light : shadow;
    TBrushHandle first(CreateSolidBrush(topLeft)), second(CreateSolidBrush(bottomRight));
    const RECT top{r.left, r.top, r.right, r.top + 1}, left{r.left, r.top, r.left + 1, r.bottom};
    const RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
    const RECT right{r.right - 1, r.top, r.right, r.bottom};
    FillRect(dc, &top, first.Get());
    FillRect(dc, &left, first.Get());
    FillRect(dc, &bottom, second.Get());
    FillRect(dc, &right, second.Get());
}

// Centred and right-aligned text is placed by DrawText within the box; the
// measure only centres it vertically.
void DrawAreaText(HDC dc, const TStatusArea& area, bool rightToLeft) {
    RECT box = area.Rect;
    InflateRect(&box, -2, 0);
    const std::wstring text = area.Text.empty() ? L" " : area.Text;
    RECT measured = box;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              area.Align | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS);
    box.top += ((box.bottom - box.top) - (measured.bottom - measured.top)) / 2 - 1;
    UINT flags = area.Align | DT_EXPANDTABS;
    if (rightToLeft) flags |= DT_RTLREADING;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, flags);
}

// Frame 5 of the extra images, its bottom-right corner at the bar's.
void DrawGrip(HDC dc, const RECT& rect, const TDataSkinObject& images) {
    const TPixelRect frame = FrameRect(images.Frame(kGripFrame), TStripAxis::Horizontal);
    const TPixelBitmap grip = CropBitmap(images.Bitmap, frame);
    if (grip.Empty()) return;
    const RECT dest{rect.right - 1 - grip.Width(), rect.bottom - 1 - grip.Height(), rect.right - 1,
                    rect.bottom - 1};
    DrawTransparent(dc, dest, grip);
}

} // namespace

void PaintStatusBar(HDC dc, const RECT& rect, const TStatusBarLook& look) {
    TSavedDC saved(dc);
    TBrushHandle face(CreateSolidBrush(look.Face));
    FillRect(dc, &rect, face.Get());
    if (look.Font) SelectObject(dc, look.Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.TextColour);
    for (const TStatusArea& area : look.Areas) {
        DrawEdge(dc, area.Rect, area.Edge, look.Edges);
        if (area.HasText) DrawAreaText(dc, area, look.RightToLeft);
    }
    if (look.ShowGrip && look.Grip && !look.Grip->Bitmap.Empty()) DrawGrip(dc, rect, *look.Grip);
}

const TClassInfo& TSkinStatusBar::StaticClass() {
    static const TClassInfo info(L"TSkinStatusBar", &TSkinControl::StaticClass());
    return info;
}

bool TSkinStatusBar::BeforeMessage(TMessage& m) {
    return !PaintWhole(m) && TSkinControl::BeforeMessage(m);
}

// The whole picture depends on the width (the last panel reaches the end,
// the grip sits in the corner); the platform invalidates only what a resize
// uncovered, which would leave the old grip behind.
void TSkinStatusBar::AfterMessage(TMessage& m) {
    if (m.Msg == WM_SIZE) InvalidateRect(Handle(), nullptr, FALSE);
    TSkinControl::AfterMessage(m);
}

std::vector<TStatusArea> TSkinStatusBar::PanelAreas(const RECT& rect) const {
    auto* bar = dynamic_cast<TStatusBar*>(Control());
    std::vector<TStatusArea> areas;
    const bool rightToLeft = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    if (!bar || bar->SimplePanel() || bar->Panels()->Count() == 0) {
        TStatusArea simple;
        simple.Rect = rect;
        simple.Align = rightToLeft ? DT_RIGHT : DT_LEFT;
        simple.Text = bar ? bar->SimpleText() : Text;
        areas.push_back(simple);
        return areas;
    }
    static const UINT kAligns[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    const int count = bar->Panels()->Count();
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!SendMessageW(Handle(), SB_GETRECT, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(&r)))
            continue;
        const TStatusPanel& panel = *bar->Panels()->Items(i);
        TStatusArea area;
        area.Panel = i;
        area.PanelRect = r;
        area.Rect = r;
        area.Rect.right = i == count - 1 ? rect.right : r.right + 2;
        area.Align = kAligns[panel.Alignment() % 3];
        if (rightToLeft && area.Align != DT_CENTER)
            area.Align = area.Align == DT_LEFT ? DT_RIGHT : DT_LEFT;
        area.Edge = panel.Bevel() == pbLowered ? 1 : panel.Bevel() == pbRaised ? 2 : 3;
        area.HasText = panel.Style() == psText;
        area.Text = panel.Text();
        areas.push_back(area);
    }
    return areas;
}

TStatusBarLook TSkinStatusBar::Look(const RECT& rect) const {
    TStatusBarLook look;
    look.Areas = PanelAreas(rect);
    look.Face = FaceColour();
    look.Edges = Skin().StatusBarEdges.get();
    look.TextColour = look.Edges ? ColorToRGB(static_cast<TColor>(look.Edges->NormalColour2))
                                 : GetSysColor(COLOR_BTNTEXT);
    look.Grip = Skin().ExtraImages.get();
    look.ShowGrip = (GetWindowLongPtrW(Handle(), GWL_STYLE) & SBARS_SIZEGRIP) != 0;
    look.RightToLeft = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    look.Font = Control() ? Control()->Font()->Handle()
                          : reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    return look;
}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
    const TStatusBarLook look = Look(rect);
    PaintBuffered(dc, rect, [&](HDC target) {
        PaintStatusBar(target, rect, look);
        if (Control()) Control()->PaintControls(target);
    });
    CallDrawPanelEvents(dc, look.Areas);
}

// After the skin has drawn, so that owner-drawn panels keep their content.
// The panels' places are the ones the look asked the bar for.
void TSkinStatusBar::CallDrawPanelEvents(HDC dc, const std::vector<TStatusArea>& areas) {
    auto* bar = dynamic_cast<TStatusBar*>(Control());
    if (!bar || !bar->OnDrawPanel || bar->SimplePanel()) return;
    for (const TStatusArea& area : areas) {
        if (area.Panel < 0 || area.Panel >= bar->Panels()->Count()) continue;
        RECT r = area.PanelRect;
        InflateRect(&r, -2, -2);
        bar->OnDrawPanel(bar, bar->Panels()->Items(area.Panel), dc, r);
    }
}
