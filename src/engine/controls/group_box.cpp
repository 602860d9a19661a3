#include "engine/controls/group_box.h"

#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/win_control.h"

namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCornerEllipse = 5;

// Where the outline's top runs: through the middle of a caption line.
int OutlineTop(HDC dc) {
    SIZE zero{};
    GetTextExtentPoint32W(dc, L"0", 1, &zero);
    return zero.cy / 2 - 1;
}

void CoverEdge(HDC dc, const RECT& rect, int top, COLORREF face) {
    TBrushHandle brush(CreateSolidBrush(face));
    RECT edge{rect.left, top, rect.right, rect.bottom};
    FrameRect(dc, &edge, brush.Get());
    InflateRect(&edge, -1, -1);
    FrameRect(dc, &edge, brush.Get());
}

void DrawOutline(HDC dc, const RECT& rect, int top, COLORREF shadow) {
    TPenHandle pen(CreatePen(PS_SOLID, 1, shadow));
    TSelectObject usePen(dc, pen.Get());
    TSelectObject noFill(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, rect.left + 1, top, rect.right - 1, rect.bottom - 1, kCornerEllipse,
              kCornerEllipse);
}

// On the face colour, so the outline is hidden behind the text.
void DrawCaption(HDC dc, const RECT& rect, const TGroupBoxLook& look) {
    if (look.Caption.empty()) return;
    RECT box = rect;
    UINT flags = DT_EXPANDTABS;
    if (look.RightAligned) {
        box.right -= kCaptionIndent;
        flags |= DT_RIGHT;
        if (look.RightToLeft) flags |= DT_RTLREADING;
    } else {
        box.left += kCaptionIndent;
    }
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, look.Face);
    SetTextColor(dc, look.TextColour);
    DrawTextW(dc, look.Caption.c_str(), static_cast<int>(look.Caption.size()), &box, flags);
}

} // namespace

void PaintGroupBox(HDC dc, const RECT& rect, const TGroupBoxLook& look) {
    TSavedDC saved(dc);
    if (look.FillFace) {
        TBrushHandle face(CreateSolidBrush(look.Face));
        FillRect(dc, &rect, face.Get());
    }
    if (look.Font) SelectObject(dc, look.Font);
    const int top = OutlineTop(dc);
    if (look.CoverNativeEdge) CoverEdge(dc, rect, top, look.Face);
    DrawOutline(dc, rect, top, look.Shadow);
    DrawCaption(dc, rect, look);
}

const TClassInfo& TSkinGroupBox::StaticClass() {
    static const TClassInfo info(L"TSkinGroupBox", &TSkinControl::StaticClass());
    return info;
}

void TSkinGroupBox::OnAttach() {
    // A toolkit box is painted whole by the skin; a raw one paints itself.
    mode_ = Control() ? 1 : 0;
    if (Text.empty() && Control()) Text = Control()->Caption();
}

bool TSkinGroupBox::BeforeMessage(TMessage& m) {
    if (mode_ == 1 && m.Msg == WM_PAINT) {
        PaintMessage(m);
        return false;
    }
    if (mode_ == 1 && m.Msg == WM_ERASEBKGND) {
        m.Result = 1; // the paint covers everything
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

TGroupBoxLook TSkinGroupBox::Look() const {
    TGroupBoxLook look;
    look.Caption = Text;
    look.Face = FaceColour();
    look.Shadow = ShadowColour();
    look.FillFace = Control() != nullptr;
    look.CoverNativeEdge = !Control();
    const auto exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    look.RightAligned = (exStyle & WS_EX_RIGHT) != 0;
    look.RightToLeft = (exStyle & WS_EX_RTLREADING) != 0;
    if (TWinControl* control = Control()) {
        if (look.Caption.empty()) look.Caption = control->Caption();
        look.Font = control->Font()->Handle();
        look.TextColour = ColorToRGB(control->Font()->Color());
    } else {
        look.Font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
        look.TextColour = GetSysColor(COLOR_BTNTEXT);
    }
    return look;
}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& rect) {
    const TGroupBoxLook look = Look();
    TWinControl* control = Control();
    if (!control) {
        PaintGroupBox(dc, rect, look);
        return;
    }
    // The box clips its windowed children, so the copy leaves them alone.
    PaintBuffered(dc, rect, [&](HDC target) {
        PaintGroupBox(target, rect, look);
        control->PaintControls(target);
    });
}
