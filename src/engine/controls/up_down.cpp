#include "engine/controls/up_down.h"

#include "core/skin_model.h"
#include "engine/skin_draw.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <tuple>

namespace {

constexpr int kEditInset = 3; // an up-down in an edit keeps off the edit's border
constexpr int kSecondFrames = 4;

enum class TArrow { Up, Down, Left, Right };

// A small filled arrow of lines, its point 2 pixels above (or left of) the
// centre for up and left arrows.
void DrawArrow(HDC dc, const RECT& r, TArrow arrow, COLORREF colour) {
    TPenHandle pen(CreatePen(PS_SOLID, 1, colour));
    TSavedDC saved(dc);
    SelectObject(dc, pen.Get());
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    constexpr int kRows = 3;
    for (int i = 0; i < kRows; ++i) {
        switch (arrow) {
        case TArrow::Up:
            MoveToEx(dc, cx - i, cy - 2 + i, nullptr);
            LineTo(dc, cx + i + 1, cy - 2 + i);
            break;
        case TArrow::Down:
            MoveToEx(dc, cx - i, cy + 1 - i, nullptr);
            LineTo(dc, cx + i + 1, cy + 1 - i);
            break;
        case TArrow::Left:
            MoveToEx(dc, cx - 2 + i, cy - i, nullptr);
            LineTo(dc, cx - 2 + i, cy + i + 1);
            break;
        case TArrow::Right:
            MoveToEx(dc, cx + 1 - i, cy - i, nullptr);
            LineTo(dc, cx + 1 - i, cy + i + 1);
            break;
        }
    }
}

void DrawPlainHalf(HDC dc, const RECT& r, int state, TArrow arrow, const TUpDownLook& look) {
    const bool lit = state == udsPressed || state == udsHot;
    TBrushHandle fill(CreateSolidBrush(lit ? look.Shadow : look.Face));
    TPenHandle edge(CreatePen(PS_SOLID, 1, look.DarkShadow));
    {
        TSavedDC saved(dc);
        SelectObject(dc, fill.Get());
        SelectObject(dc, edge.Get());
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
    DrawArrow(dc, r, arrow, state == udsDisabled ? look.Shadow : look.DarkShadow);
}

void DrawSkinHalf(HDC dc, const RECT& r, int frame, const TDataSkinBorder& element) {
    DrawSkinRect(dc, r, element.Frame(frame), element.Margins(), TStripAxis::Horizontal,
                 TCentreFill::Stretch, TKeyColour::Transparent);
    if (element.Bitmap2.Empty()) return;
    CenterSkinFrame(dc, r, TSkinFrame{&element.Bitmap2, frame, element.FrameCount},
                    TKeyColour::Transparent);
}

} // namespace

std::pair<RECT, RECT> UpDownHalves(const RECT& rect, bool horizontal) {
    RECT first = rect, second = rect;
    if (horizontal) {
        first.right = second.left = rect.left + (rect.right - rect.left) / 2;
    } else {
        first.bottom = second.top = rect.top + (rect.bottom - rect.top) / 2;
    }
    return {first, second};
}

TUpDownHalf UpDownHalfAt(const RECT& rect, bool horizontal, POINT point) {
    const auto [first, second] = UpDownHalves(rect, horizontal);
    if (PtInRect(&first, point)) return TUpDownHalf::First;
    if (PtInRect(&second, point)) return TUpDownHalf::Second;
    return TUpDownHalf::None;
}

std::pair<int, int> UpDownStates(TUpDownHalf underPointer, unsigned char mouse, bool enabled) {
    if (!enabled) return {udsDisabled, udsDisabled};
    const int active = (mouse & mbPressed) ? udsPressed : (mouse & mbHot) ? udsHot : udsNormal;
    return {underPointer == TUpDownHalf::First ? active : udsNormal,
            underPointer == TUpDownHalf::Second ? active : udsNormal};
}

RECT UpDownInsetInEdit(const RECT& rect, const RECT& self, const RECT& edit) {
    RECT r = rect;
    r.top += std::max(0L, kEditInset - (self.top - edit.top));
    r.bottom -= std::max(0L, kEditInset - (edit.bottom - self.bottom));
    r.right -= std::max(0L, kEditInset - (edit.right - self.right));
    return r;
}

void PaintUpDown(HDC dc, const RECT& rect, const TUpDownLook& look) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    TBrushHandle face(CreateSolidBrush(look.Face));
    FillRect(dc, &rect, face.Get());
    const auto [first, second] = UpDownHalves(rect, look.Horizontal);
    if (look.Element && !look.Element->Bitmap.Empty()) {
        DrawSkinHalf(dc, first, look.First, *look.Element);
        DrawSkinHalf(dc, second, look.Second + kSecondFrames, *look.Element);
        return;
    }
    DrawPlainHalf(dc, first, look.First, look.Horizontal ? TArrow::Left : TArrow::Up, look);
    DrawPlainHalf(dc, second, look.Second, look.Horizontal ? TArrow::Right : TArrow::Down, look);
}

const TClassInfo& TSkinUpDown::StaticClass() {
    static const TClassInfo info(L"TSkinUpDown", &TSkinControl::StaticClass());
    return info;
}

bool TSkinUpDown::Horizontal() const {
    return tabScroller_ || (GetWindowLongPtrW(Handle(), GWL_STYLE) & UDS_HORZ) != 0;
}

bool TSkinUpDown::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
        PaintMessage(m);
        return false;
    case WM_ERASEBKGND:
        if (!Control()) {
            RECT client{};
            GetClientRect(Handle(), &client);
            FillColor(reinterpret_cast<HDC>(m.WParam), client, RGB(255, 255, 255));
        }
        m.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(m, true);
        return false;
    case WM_LBUTTONUP:
        Press(m, false);
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

// The platform acts on the click first (it captures the mouse and starts
// repeating); the skin shows the pressed half at once.
void TSkinUpDown::Press(TMessage& m, bool down) {
    RECT client{};
    GetClientRect(Handle(), &client);
    hotHalf_ =
        UpDownHalfAt(client, Horizontal(), POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    if (down) {
        CallPrevious(m);
        MouseState |= mbPressed;
    } else {
        MouseState &= ~mbPressed;
        CallPrevious(m);
    }
    PaintWindow(nullptr);
}

void TSkinUpDown::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        TrackHot(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        break;
    case WM_MOUSELEAVE:
        MouseState &= ~(mbHot | mbPressed);
        hotHalf_ = TUpDownHalf::None;
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

// Only a change of half repaints; the leave notice is asked for each time,
// as the platform forgets it once sent.
void TSkinUpDown::TrackHot(POINT at) {
    RECT client{};
    GetClientRect(Handle(), &client);
    const TUpDownHalf half = UpDownHalfAt(client, Horizontal(), at);
    MouseState |= mbHot;
    if (half != hotHalf_) {
        hotHalf_ = half;
        Repaint();
    }
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
}

RECT TSkinUpDown::DrawingRect(const RECT& rect) const {
    const HWND parent = GetParent(Handle());
    RECT edit{};
    if (!inEdit_ || !parent || !GetWindowRect(parent, &edit)) return rect;
    return UpDownInsetInEdit(rect, WindowRect, edit);
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& rect) {
    Enabled = IsWindowEnabled(Handle()) != FALSE;
    TUpDownLook look;
    look.Horizontal = Horizontal();
    look.Element = look.Horizontal ? Skin().UpDownHorz.get() : Skin().UpDownVert.get();
    std::tie(look.First, look.Second) = UpDownStates(hotHalf_, MouseState, Enabled);
    look.Face = FaceColour();
    look.Shadow = ShadowColour();
    look.DarkShadow = ColorToRGB(static_cast<TColor>(Skin().Colour(sciButtonDkShadow)));
    const RECT area = DrawingRect(rect);
    PaintBuffered(dc, rect, [&](HDC buffer) {
        if (inEdit_) FillColor(buffer, rect, RGB(255, 255, 255));
        PaintUpDown(buffer, area, look);
    });
}
