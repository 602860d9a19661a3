#include "engine/menus/menu_bar_paint.h"

#include "core/skin_elements.h"
#include "engine/skin_draw.h"
#include "toolkit/gdi_objects.h"

void PaintMenuBarBackground(HDC dc, const RECT& rect, const TMenuBarLook& look) {
    if (!look.Image || look.Image->Bitmap.Width() <= 0) {
        TBrushHandle fill(CreateSolidBrush(look.Menubar));
        FillRect(dc, &rect, fill.Get());
        return;
    }
    // Two frames stacked: active, then inactive.
    const TSkinFrame frame{&look.Image->Bitmap, look.Active ? 1 : 2, 2};
    if (look.Image->Tile == 1)
        DrawSkinRect(dc, rect, frame, look.Image->Margins(), TStripAxis::Vertical,
                     TCentreFill::Stretch, TKeyColour::Opaque);
    else
        DrawSkinBar(dc, rect, frame, look.Image->Margins(), TStripAxis::Vertical,
                    TKeyColour::Opaque);
}

void PaintBarButton(HDC dc, const TBarButtonPicture& button, const TMenuBarLook& look) {
    const RECT& r = button.Rect;
    if (r.right <= r.left) return;
    if (button.State == ncHot || button.State == ncPressed) {
        TBrushHandle edge(CreateSolidBrush(look.Hilight));
        FrameRect(dc, &r, edge.Get());
    }
    TSelectObject font(dc, look.Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, button.Enabled ? look.Text : look.Shadow);
    RECT measured = r;
    DrawTextW(dc, button.Caption.c_str(), -1, &measured,
              DT_CENTER | DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    const int dx = ((r.right - r.left) - (measured.right - measured.left)) / 2;
    const int dy = ((r.bottom - r.top) - (measured.bottom - measured.top)) / 2;
    RECT text{r.left + dx, r.top + dy, r.left + dx + (measured.right - measured.left),
              r.top + dy + (measured.bottom - measured.top)};
    DrawTextW(dc, button.Caption.c_str(), -1, &text, DT_CENTER | DT_SINGLELINE | DT_NOCLIP);
}
