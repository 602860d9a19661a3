#include "engine/controls/tab_buttons.h"

#include "core/skin_model.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/win_control.h"

namespace {

// The skin's colour for the button's state where it gives one, else black.
COLORREF ButtonTextColour(const TDataSkinButton& b, int frame) {
    if (frame == 1 && b.HasNormalColour2) return TabTextColour(b.NormalColour2);
    if (frame == 2 && b.HasPressedColour2) return TabTextColour(b.PressedColour2);
    return RGB(0, 0, 0);
}

} // namespace

void PaintTabButtons(HDC dc, const RECT& rect, const TTabButtonsLook& look) {
    TBrushHandle face(CreateSolidBrush(look.Face));
    FillRect(dc, &rect, face.Get());
    if (!look.Element || look.Element->Bitmap.Empty()) return;
    const TTabItems& tabs = look.Tabs;
    TSelectObject font(dc, tabs.Font);
    for (size_t i = 0; i < tabs.Items.size() && i < tabs.Rects.size(); ++i) {
        if (IsRectEmpty(&tabs.Rects[i])) continue;
        RECT r = tabs.Rects[i];
        OffsetRect(&r, 0, 1);
        IntersectRect(&r, &r, &look.Strip);
        const int frame = static_cast<int>(i) == tabs.Focus ? 2 : 1;
        DrawTabFace(dc, r, look.Element->Bitmap, look.Element->Margins(), *look.Element, frame);
        SetTextColor(dc, ButtonTextColour(*look.Element, frame));
        DrawTabItem(dc, r, TTabAlign::Centre, tabs.Items[i], tabs.Images, tabs.Enabled,
                    tabs.RightToLeft);
    }
}

const TClassInfo& TSkinTabBtn::StaticClass() {
    static const TClassInfo info(L"TSkinTabBtn", &TSkinTabBase::StaticClass());
    return info;
}

// Below the buttons the control shows the face with the application's
// windowless controls on it; its child windows are left alone.
void TSkinTabBtn::DrawSkin(HDC dc, const RECT& rect) {
    TTabButtonsLook look;
    look.Element = &Skin().Buttons;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    RECT display = TabAdjustedRect(Handle(), width, height);
    InflateRect(&display, 4, 4);
    look.Strip = {0, 0, width, display.top + 1};
    look.Tabs = ReadTabItems(Handle());
    look.Face = FaceColour();
    TSavedDC saved(dc);
    ExcludeChildWindows(dc, Handle());
    PaintBuffered(dc, rect, [&](HDC buffer) {
        PaintTabButtons(buffer, rect, look);
        if (Control()) Control()->PaintControls(buffer);
    });
}
