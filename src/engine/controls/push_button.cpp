#include "engine/controls/push_button.h"

#include "core/ascii_text.h"
#include "engine/controls/control_props.h"
#include "engine/paint_control_into.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
#include "engine/win_skin_form.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/text_compare.h"
#include "toolkit/win_control.h"

#include <windowsx.h>

namespace {

// The tag a program gives a button that should show its parent through
// the see-through corners of the frame.
constexpr long long kTransparentTag = 5555;
// The platform's button animates with this timer; the skin has nothing to
// animate, so it stops it.
constexpr UINT_PTR kButtonAnimationTimer = 1;
constexpr int kCaptionInset = 2;
constexpr int kFocusInflate = 2;

COLORREF ModelColour(TColour colour) {
    return ColorToRGB(static_cast<TColor>(colour));
}

} // namespace

COLORREF ButtonCaptionColour(const TDataSkinButton& buttons, COLORREF base, int frame,
                             bool normalColourEverywhere) {
    if (frame == bfDisabled) return GetSysColor(COLOR_BTNSHADOW);
    if (frame == bfHot && buttons.HasMouseOverColour2) return ModelColour(buttons.MouseOverColour2);
    if (frame == bfPressed && buttons.HasPressedColour2) return ModelColour(buttons.PressedColour2);
    const bool normal = normalColourEverywhere || frame == bfNormal;
    if (normal && buttons.HasNormalColour2) return ModelColour(buttons.NormalColour2);
    return base;
}

void DrawCentredCaption(HDC dc, const RECT& rect, const TPushButtonLook& look) {
    if (look.Caption.empty()) return;
    UINT flags = DT_EXPANDTABS | DT_WORDBREAK | DT_CENTER;
    if (look.RightToLeft) flags |= DT_RTLREADING;
    if (look.HidePrefix) flags |= DT_HIDEPREFIX;
    const int length = static_cast<int>(look.Caption.size());
    RECT area = rect;
    InflateRect(&area, -kCaptionInset, -kCaptionInset);
    RECT text = area;
    DrawTextW(dc, look.Caption.c_str(), length, &text, flags | DT_CALCRECT | DT_NOCLIP);
    const int w = text.right - text.left, h = text.bottom - text.top;
    const int left = rect.left + ((rect.right - rect.left) - w) / 2;
    const int top = rect.top + ((rect.bottom - rect.top) - h) / 2 - 1;
    text = RECT{left, top, left + w, top + h};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.TextColour);
    DrawTextW(dc, look.Caption.c_str(), length, &text, flags);
    if (look.FocusCue) DrawCaptionFocus(dc, text);
}

// DrawFocusRect inverts with the DC's colours; black on white gives the
// dotted line the platform draws.
void DrawCaptionFocus(HDC dc, RECT textBox) {
    InflateRect(&textBox, kFocusInflate, kFocusInflate);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &textBox);
}

void DrawButtonFrame(HDC dc, const RECT& rect, const TPushButtonLook& look) {
    if (!look.Buttons || !look.ShowFrame) return;
    DrawElementFrame(dc, rect, *look.Buttons, look.Frame, look.Frames);
}

void PaintPushButton(HDC dc, const RECT& rect, const TPushButtonLook& look) {
    if (!look.Buttons) return;
    DrawButtonFrame(dc, rect, look);
    TSavedDC saved(dc);
    if (look.Font) SelectObject(dc, look.Font);
    DrawCentredCaption(dc, rect, look);
}

const TClassInfo& TSkinButton::StaticClass() {
    static const TClassInfo info(L"TSkinButton", &TSkinControl::StaticClass());
    return info;
}

void TSkinButton::OnAttach() {
    mode_ = 0;
    if (TWinControl* control = Control()) {
        const std::wstring cls = LowerAscii(control->ClassName());
        if (cls.rfind(L"trz", 0) == 0 || cls.rfind(L"tel", 0) == 0) mode_ = 1;
    }
    transparent_ = GetOrdPropByName(Source(), L"Tag") == kTransparentTag ||
                   InSet(SkinData().Options(), xoTransparent);
}

void TSkinButton::OnRestore() {
    CancelPress();
    keyPressed_ = false;
    MouseState = 0;
}

bool TSkinButton::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        ++paints_;
        PaintMessage(m);
        return false;
    case WM_ERASEBKGND:
        m.Result = 1; // the paint covers everything
        return false;
    case WM_TIMER:
        if (m.WParam != kButtonAnimationTimer || m.LParam != 0) return true;
        KillTimer(Handle(), kButtonAnimationTimer);
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        return MouseMessage(m);
    case WM_KEYDOWN:
    case WM_KEYUP:
        return !KeyPress(m);
    case WM_KILLFOCUS:
        if (keyPressed_) CancelPress();
        [[fallthrough]];
    case WM_SETFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
        // These the platform's button draws at once; the skin repaints after.
        CallPreviousUnseen(m);
        if (AttachState() == TControlAttach::Attached && SkinEnabled()) AfterMessage(m);
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

// The press is the skin's: the platform's button never sees the left button.
bool TSkinButton::MouseMessage(TMessage& m) {
    const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        BeginPress();
        return false;
    case WM_MOUSEMOVE:
        if (captured_)
            MovePress(at);
        else
            Hover(m);
        return false;
    case WM_MOUSELEAVE:
        Leave(m);
        return false;
    case WM_LBUTTONUP:
        if (!captured_) return true;
        EndPress(at);
        return false;
    default: // WM_CAPTURECHANGED: another window took the mouse away
        if (captured_ && reinterpret_cast<HWND>(m.LParam) != Handle()) CancelPress();
        return true;
    }
}

void TSkinButton::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

// Space presses like the mouse, and the click comes when it is let go; a
// repeat changes nothing and the other keys go to the button as usual.
bool TSkinButton::KeyPress(TMessage& m) {
    if (m.WParam != VK_SPACE) return false;
    const bool down = m.Msg == WM_KEYDOWN;
    if (down) {
        if (!keyPressed_ && !captured_) {
            keyPressed_ = true;
            SetMouseBits(MouseState | mbPressed);
        }
        return true;
    }
    if (!keyPressed_) return true;
    keyPressed_ = false;
    SetMouseBits(MouseState & ~mbPressed);
    RaiseClick();
    return true;
}

void TSkinButton::BeginPress() {
    if (GetFocus() != Handle()) SetFocus(Handle());
    // Focusing may have run code that disabled the button or took the skin off.
    if (!IsWindowEnabled(Handle()) || AttachState() != TControlAttach::Attached) return;
    keyPressed_ = false;
    SetCapture(Handle());
    captured_ = true;
    SetMouseBits(mbHot | mbPressed);
    if (TWinControl* control = Control(); control && mode_ == 0 && control->OnMouseDown) {
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(Handle(), &at);
        control->OnMouseDown(control, TMouseButton::Left, 0, at.x, at.y);
    }
}

// Pressed while the pointer is over the button, as the platform's buttons do.
void TSkinButton::MovePress(POINT at) {
    SetMouseBits(InClient(at) ? (mbHot | mbPressed) : 0);
}

void TSkinButton::EndPress(POINT at) {
    const bool click = InClient(at);
    captured_ = false;
    ReleaseCapture();
    SetMouseBits(click ? mbHot : 0);
    if (click) RaiseClick();
}

void TSkinButton::CancelPress() {
    const bool hadCapture = captured_;
    captured_ = false;
    keyPressed_ = false;
    if (hadCapture && GetCapture() == Handle()) ReleaseCapture();
    if (Handle()) SetMouseBits(MouseState & ~mbPressed);
}

void TSkinButton::Hover(TMessage& m) {
    if (!leaveTracked_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
        leaveTracked_ = TrackMouseEvent(&track) != FALSE;
    }
    PassHoverOn(m, IsWindowEnabled(Handle()) ? (MouseState | mbHot) : MouseState);
}

void TSkinButton::Leave(TMessage& m) {
    leaveTracked_ = false;
    PassHoverOn(m, keyPressed_ ? (MouseState & mbPressed) : 0);
}

// Tooltips and the toolkit below the skin still see the move.
void TSkinButton::PassHoverOn(TMessage& m, unsigned char bits) {
    const bool changed = bits != MouseState;
    MouseState = bits;
    const int paintsBefore = paints_;
    CallPrevious(m);
    if (changed && paints_ == paintsBefore && AttachState() == TControlAttach::Attached) Repaint();
}

void TSkinButton::SetMouseBits(unsigned char bits) {
    if (bits == MouseState) return;
    MouseState = bits;
    Repaint();
}

bool TSkinButton::InClient(POINT at) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return PtInRect(&client, at) != FALSE;
}

void TSkinButton::RaiseClick() {
    if (TWinControl* control = Control()) {
        control->Click();
        return;
    }
    const HWND button = Handle();
    const int id = GetDlgCtrlID(button);
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

TButtonFacts TSkinButton::ReadFacts() {
    TButtonFacts facts;
    Focused = GetFocus() == Handle();
    Enabled = IsWindowEnabled(Handle()) != FALSE;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    const std::wstring byProperty = GetEnumPropByName(Control(), L"Default");
    facts.Default = byProperty.empty() ? (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON
                                       : SameTextNoCase(byProperty, L"True");
    facts.Enabled = Enabled;
    facts.Focused = Focused;
    facts.Hot = (MouseState & mbHot) != 0;
    facts.Pressed = (MouseState & mbPressed) != 0;
    return facts;
}

int TSkinButton::CurrentFrame() {
    return FrameFor(ReadFacts());
}

bool TSkinButton::HasButtonStrip() const {
    return !Skin().Buttons.Bitmap.Empty();
}

const TDataSkinButton& TSkinButton::ButtonStrip() const {
    return Skin().Buttons;
}

TControl* TSkinButton::Source() const {
    return Control();
}

void TSkinButton::PaintBackground(HDC dc, const RECT& rect) {
    if (transparent_ && Source()) {
        PaintControlInto(Source(), dc);
        return;
    }
    FillFace(dc, rect);
}

bool TSkinButton::ShowsFocusCue(LRESULT uiState) const {
    if (!Focused || InSet(SkinData().Options(), xoNoFocusRect)) return false;
    return (uiState & UISF_HIDEFOCUS) == 0;
}

TPushButtonLook TSkinButton::CaptionLook(int frame, bool normalColourEverywhere) {
    TPushButtonLook look;
    look.Buttons = &ButtonStrip();
    look.Frames = &Form().ElementFrames();
    look.Frame = frame;
    COLORREF base = ModelColour(Skin().Colour(sciButtonText));
    TControl* control = Source();
    // A button with a window shows its window text, which the base keeps in
    // Text: reading it from the window would send two messages through the
    // control's whole subclass chain on every paint.
    look.Caption = SplitCaptionLines(Handle() || !control ? Text : control->Caption());
    if (control) {
        look.Font = control->Font()->Handle();
        base = ColorToRGB(control->Font()->Color());
    } else {
        look.Font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    }
    look.TextColour = ButtonCaptionColour(ButtonStrip(), base, frame, normalColourEverywhere);
    // The cue state travels through every hook of the window, so it is asked
    // only when it can change the picture: for a focus rectangle, or for a
    // caption with an accelerator to underline.
    if (Focused || look.Caption.find(L'&') != std::wstring::npos) {
        const LRESULT ui = SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0);
        look.FocusCue = ShowsFocusCue(ui);
        look.HidePrefix = (ui & UISF_HIDEACCEL) != 0;
    }
    look.RightToLeft = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    return look;
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasButtonStrip()) return;
    const TPushButtonLook look = CaptionLook(FrameFor(ReadFacts()), true);
    PaintBuffered(dc, rect, [&](HDC buffer) {
        PaintBackground(buffer, rect);
        PaintPushButton(buffer, rect, look);
    });
}
