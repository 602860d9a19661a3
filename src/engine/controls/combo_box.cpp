#include "engine/controls/combo_box.h"

#include "engine/controls/combo_list_scrollbar.h"

#include "core/skin_model.h"
#include "engine/platform_api.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
#include "engine/win_skin_form.h"
#include "toolkit/gdi_objects.h"

#include <windowsx.h>

namespace {

constexpr int kEdge = 2; // the combo's edge, inside which the native content lies
constexpr DWORD kButtonInvisible = STATE_SYSTEM_INVISIBLE;

int Width(const RECT& r) {
    return r.right - r.left;
}

// A column `width` wide at the right edge of `r`, or at its left.
RECT Column(const RECT& r, int width, bool left) {
    return left ? RECT{r.left, r.top, r.left + width, r.bottom}
                : RECT{r.right - width, r.top, r.right, r.bottom};
}

// The button strip for the side: the loader keeps a mirrored copy.
TSkinFrame ButtonFrameOf(const TDataSkinBorder& button, int frame, bool left) {
    const bool mirrored = left && !button.Bitmap2.Empty();
    return TSkinFrame{mirrored ? &button.Bitmap2 : &button.Bitmap, frame, button.FrameCount};
}

// The flat look: the native button wiped out with the combo's background,
// then the image's own size of button at the top of the button side.
RECT PaintFlat(HDC dc, const RECT& rect, const TComboLook& look) {
    const TDataSkinBorder& button = *look.Button;
    const int frameWidth = button.Bitmap.Width() / button.Frames();
    const int frameHeight = button.Bitmap.Height();
    const auto background = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    FrameRect(dc, &inner, background);
    InflateRect(&inner, -1, -1);
    const RECT wipe = Column(inner, look.ThumbHeight, look.LeftButton);
    FillRect(dc, &wipe, background);
    RECT at = Column(inner, frameWidth, look.LeftButton);
    if (frameHeight < look.ThumbHeight) at.bottom = at.top + frameHeight;
    TBrushHandle shadow(CreateSolidBrush(look.Shadow));
    FrameRect(dc, &rect, shadow.Get());
    StretchSkinFrame(dc, at, ButtonFrameOf(button, look.Frame, look.LeftButton),
                     TKeyColour::Transparent);
    return at;
}

// The whole combo from the prepared strip (edge and button in one picture,
// see-through inside); its mirror for a button on the left.
RECT PaintWhole(HDC dc, const RECT& rect, const TComboLook& look) {
    const TDataSkinObject& strip = look.LeftButton && look.Edge
                                       ? *look.Edge
                                       : static_cast<const TDataSkinObject&>(*look.Button);
    DrawSkinRect(dc, rect, strip.Frame(look.Frame), strip.Margins(), TStripAxis::Horizontal,
                 TCentreFill::Stretch, TKeyColour::Transparent);
    return Column(rect, look.ScrollWidth + kEdge, look.LeftButton);
}

// The sunken edge around the content, the button stretched into its
// column and the extra glyph centred on it.
RECT PaintEdged(HDC dc, const RECT& rect, const TComboLook& look) {
    const RECT column = Column(rect, look.ScrollWidth + kEdge, look.LeftButton);
    {
        TSavedDC saved(dc);
        RECT content = rect;
        InflateRect(&content, -kEdge, -kEdge);
        if (look.LeftButton)
            content.left = column.right + kEdge;
        else
            content.right = column.left - kEdge;
        ExcludeClipRect(dc, content.left, content.top, content.right, content.bottom);
        if (look.Edge) DrawElementFrame(dc, rect, *look.Edge, look.Frame);
    }
    StretchSkinFrame(dc, column, ButtonFrameOf(*look.Button, look.Frame, look.LeftButton),
                     TKeyColour::Transparent);
    if (look.Extra && !look.Extra->Bitmap.Empty()) {
        RECT glyph = column;
        InflateRect(&glyph, -kEdge, -kEdge);
        CenterSkinFrame(dc, glyph, look.Extra->Frame(look.Frame), TKeyColour::Transparent);
    }
    return column;
}

} // namespace

int ComboButtonFrame(bool enabled, bool pressed, bool hot, bool focused) {
    if (!enabled) return cfDisabled;
    if (pressed) return cfPressed;
    return hot || focused ? cfHot : cfNormal;
}

RECT PaintComboBox(HDC dc, const RECT& rect, const TComboLook& look) {
    if (!look.Button || look.Button->Bitmap.Empty()) return RECT{};
    TSavedDC saved(dc);
    switch (look.Button->Style) {
    case 1:
        return PaintFlat(dc, rect, look);
    case 2:
        return PaintWhole(dc, rect, look);
    default:
        return PaintEdged(dc, rect, look);
    }
}

const TClassInfo& TSkinComBox::StaticClass() {
    static const TClassInfo info(L"TSkinComBox", &TSkinDrawnOver::StaticClass());
    return info;
}

// The edit of a drop-down combo covers most of it: the combo hears nothing
// of the pointer there, so the edit tells it that the pointer left the
// button, and repaints it after painting itself.
void TSkinComBox::OnAttach() {
    COMBOBOXINFO info{sizeof(info)};
    const TGetComboBoxInfo comboInfo = ComboBoxInfoEntry();
    if (comboInfo && comboInfo(Handle(), &info)) {
        list_ = info.hwndList;
        if (info.hwndItem && info.hwndItem != Handle()) {
            auto hook = std::make_unique<TWindowSubclass>(info.hwndItem, this, &EditHandler);
            if (hook->Installed()) editHook_ = std::move(hook);
        }
    }
    AttachListScrollbar();
}

void TSkinComBox::OnRestore() {
    editHook_.reset();
    list_ = nullptr;
}

// Owned by the form like every control skin, which restores it with the
// rest.
void TSkinComBox::AttachListScrollbar() {
    if (!list_ || !InSet(SkinData().SkinControls(), xcScrollbar) || Form().SkinControlOf(list_))
        return;
    auto bar = std::make_unique<TComboxScrollBar>();
    if (bar->AttachWindow(Form(), SkinData(), list_)) Form().AdoptControl(std::move(bar));
}

LRESULT TSkinComBox::EditHandler(void* object, HWND window, UINT msg, WPARAM wParam,
                                 LPARAM lParam) {
    auto* self = static_cast<TSkinComBox*>(object);
    const LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
    if (!self->SkinEnabled()) return result;
    try {
        if (msg == WM_PAINT) self->PaintWindow(nullptr);
        if (msg == WM_MOUSEMOVE) self->SetMouseBit(mbHot, false);
    } catch (...) {
        // the edit keeps working; the skin shows again at the next paint
    }
    return result;
}

void TSkinComBox::SetMouseBit(unsigned char bit, bool on) {
    const unsigned char before = MouseState;
    MouseState = on ? (MouseState | bit) : (MouseState & ~bit);
    if (MouseState != before) Repaint();
}

void TSkinComBox::TrackHot(POINT at) {
    SetMouseBit(mbHot, IsWindowEnabled(Handle()) && PtInRect(&buttonRect_, at));
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
}

void TSkinComBox::AfterMessage(TMessage& m) {
    const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        TrackHot(at);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetMouseBit(mbPressed, PtInRect(&buttonRect_, at) != FALSE);
        break;
    case WM_LBUTTONUP:
        SetMouseBit(mbPressed, false);
        break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
        SetMouseBit(mbHot | mbPressed, false);
        break;
    case WM_DRAWITEM:
        Repaint();
        break;
    default:
        TSkinDrawnOver::AfterMessage(m);
        break;
    }
}

bool TSkinComBox::HasButtonImage() const {
    return Skin().ComboButton && !Skin().ComboButton->Bitmap.Empty();
}

TComboLook TSkinComBox::Look() const {
    TComboLook look;
    look.Button = Skin().ComboButton.get();
    look.Edge = Skin().SunkEdge.get();
    look.Extra = Skin().ExtraImages.get();
    look.Shadow = ShadowColour();
    look.LeftButton = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    look.ScrollWidth = GetSystemMetrics(SM_CXHSCROLL);
    look.ThumbHeight = GetSystemMetrics(SM_CYVTHUMB);
    return look;
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasButtonImage()) return;
    COMBOBOXINFO info{sizeof(info)};
    const TGetComboBoxInfo comboInfo = ComboBoxInfoEntry();
    if (comboInfo && comboInfo(Handle(), &info) && (info.stateButton & kButtonInvisible)) return;
    Enabled = IsWindowEnabled(Handle()) != FALSE;
    Focused = GetFocus() == Handle() || (info.hwndItem && GetFocus() == info.hwndItem);
    TComboLook look = Look();
    frame_ = look.Frame = ComboButtonFrame(Enabled, (MouseState & mbPressed) != 0,
                                           (MouseState & mbHot) != 0, Focused);
    buttonRect_ = PaintComboBox(dc, rect, look);
    // Hot tracking reads client points; the button was placed in the window.
    POINT origin{0, 0};
    ClientToScreen(Handle(), &origin);
    OffsetRect(&buttonRect_, WindowRect.left - origin.x, WindowRect.top - origin.y);
}
