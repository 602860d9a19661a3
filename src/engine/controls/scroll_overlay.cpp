#include "engine/controls/scroll_overlay.h"

#include "core/skin_model.h"
#include "engine/platform_api.h"
#include "engine/skin_draw.h"
#include "engine/skin_data.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"

#include <algorithm>

namespace {

constexpr wchar_t kOverlayClass[] = L"VelmoraScrollOverlay";

POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

bool IsOverlay(HWND window) {
    wchar_t name[32] = {};
    return window && GetClassNameW(window, name, 32) && lstrcmpW(name, kOverlayClass) == 0;
}

// Directly above the host, or above the host's other overlay when that one
// is: the two overlays of one host never trade places at every move.
bool JustAbove(HWND overlay, HWND host) {
    const HWND next = GetWindow(overlay, GW_HWNDNEXT);
    return next == host || (IsOverlay(next) && GetWindow(next, GW_HWNDNEXT) == host);
}

// A scroll bar control is vertical when its style says so.
bool IsVerticalBar(HWND host, TBarKind kind) {
    if (kind == TBarKind::Control) return (GetWindowLongPtrW(host, GWL_STYLE) & SBS_VERT) != 0;
    return kind == TBarKind::Vertical;
}

} // namespace

TWScrollbar::TWScrollbar(TSkinData& data, HWND host, TBarKind kind)
    : TSiblingOverlay(kOverlayClass, host), data_(&data), kind_(kind),
      vertical_(IsVerticalBar(host, kind)),
      arrowSize_(GetSystemMetrics(vertical_ ? SM_CYVSCROLL : SM_CXHSCROLL)) {
    SyncPosition();
}

void TWScrollbar::Discard(std::unique_ptr<TWScrollbar> overlay) {
    if (!overlay) return;
    overlay->HideBar();
    overlay->data_ = nullptr;
    TDispatchTarget::Release(std::move(overlay));
}

void TWScrollbar::OnMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        MouseMoved(PointOf(m.LParam));
        return;
    case WM_MOUSELEAVE:
        MouseLeft();
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ButtonDown(PointOf(m.LParam));
        return;
    case WM_LBUTTONUP:
        ButtonUp(PointOf(m.LParam));
        return;
    default:
        PassOn(m);
    }
}

bool TWScrollbar::BarInfo(SCROLLBARINFO& info) const {
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    if (kind_ == TBarKind::Control) return ControlBarInfo(info);
    return QueryScrollBarInfo(host_, Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL, info);
}

// A scroll bar control is the whole bar; its thumb follows from its range
// by the same rule as a window's bars.
bool TWScrollbar::ControlBarInfo(SCROLLBARINFO& info) const {
    SCROLLINFO range{};
    range.cbSize = sizeof(range);
    range.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetWindowRect(host_, &info.rcScrollBar) || !GetScrollInfo(host_, SB_CTL, &range))
        return false;
    const RECT& bar = info.rcScrollBar;
    const int length = Vertical() ? bar.bottom - bar.top : bar.right - bar.left;
    const TThumbSpan thumb = ThumbFromRange(
        {range.nMin, range.nMax, static_cast<int>(range.nPage), range.nPos}, length, arrowSize_);
    info.xyThumbTop = thumb.Start;
    info.xyThumbBottom = thumb.End;
    if (!IsWindowVisible(host_)) info.rgstate[0] |= STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(host_)) info.rgstate[0] |= STATE_SYSTEM_UNAVAILABLE;
    return true;
}

// Placed only when the bar moved, changed size or lost its place just above
// the host, so that a host resize costs one move and nothing more.
void TWScrollbar::SyncPosition() {
    SCROLLBARINFO info;
    const bool visibleHost = (GetWindowLongPtrW(host_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (!Handle() || !data_ || !HasScrollBarSkin(data_->Skin()) || !BarInfo(info) || !visibleHost ||
        (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) {
        HideBar();
        return;
    }
    RECT bar = info.rcScrollBar;
    if (bar.right <= bar.left || bar.bottom <= bar.top) {
        HideBar();
        return;
    }
    clientBox_ = bar;
    MapWindowPoints(nullptr, host_, reinterpret_cast<POINT*>(&clientBox_), 2);
    MapWindowPoints(nullptr, GetParent(host_), reinterpret_cast<POINT*>(&bar), 2);
    const bool inPlace = JustAbove(Handle(), host_);
    if (shown_ && inPlace && SameRect(bar, placed_)) return;
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (inPlace) flags |= SWP_NOZORDER;
    const HWND above = GetWindow(host_, GW_HWNDPREV);
    SetWindowPos(Handle(), above ? above : HWND_TOP, bar.left, bar.top, bar.right - bar.left,
                 bar.bottom - bar.top, flags);
    placed_ = bar;
    shown_ = true;
}

void TWScrollbar::HideBar() {
    shown_ = false;
    placed_ = RECT{};
    if (Handle() && IsWindowVisible(Handle())) ShowWindow(Handle(), SW_HIDE);
}

TScrollBarLook TWScrollbar::CurrentLook() const {
    TScrollBarLook look;
    SCROLLBARINFO info;
    if (!data_ || !BarInfo(info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE)) return look;
    look.Vertical = Vertical();
    look.Width = info.rcScrollBar.right - info.rcScrollBar.left;
    look.Height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    look.ArrowSize = arrowSize_;
    look.Enabled = enabled_ && !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    look.HotPart = hotPart_;
    look.Pressed = pressed_;
    look.Face = ColorToRGB(static_cast<TColor>(data_->Skin().Colour(sciButtonFace)));
    look.Thumb = {info.xyThumbTop, info.xyThumbBottom};
    // The platform may move the list only when the drag ends; the skinned
    // thumb follows the pointer meanwhile.
    if (pressed_ && hotPart_ == spThumb) {
        POINT cursor{};
        GetCursorPos(&cursor);
        look.Thumb =
            DraggedThumb(dragThumb_, Along(cursor) - Along(dragCursor_), look.Length(), arrowSize_);
    }
    return look;
}

TBarSpan TWScrollbar::Span() const {
    const TScrollBarLook look = CurrentLook();
    return {look.Length(), arrowSize_, look.Thumb};
}

void TWScrollbar::Paint() {
    TPaintDC paint(Handle());
    if (!data_) return;
    const TScrollBarLook look = CurrentLook();
    painted_ = look;
    BlitScrollBar(paint.Get(), 0, 0, ComposeScrollBar(look, data_->Skin()), buffer_);
}

void TWScrollbar::Refresh() {
    if (!shown_ || !Handle()) return;
    if (CurrentLook() != painted_) InvalidateRect(Handle(), nullptr, FALSE);
}

void TWScrollbar::SetHotPart(int part) {
    if (part == hotPart_) return;
    hotPart_ = part;
    Refresh();
}

void TWScrollbar::NoteScrollRequest(int request) {
    SetHotPart(request);
}

void TWScrollbar::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (Handle()) EnableWindow(Handle(), enabled);
    Refresh();
}

void TWScrollbar::MouseMoved(POINT at) {
    SetHotPart(HitTestBar(Span(), Along(at)));
    RequestMouseLeave(Handle());
}

void TWScrollbar::MouseLeft() {
    if (!pressed_) SetHotPart(spNone);
}

// The press goes to the host as a press on its own bar; the call returns
// when the platform's scroll loop has ended, and the skin may have been
// switched off meanwhile.
void TWScrollbar::ButtonDown(POINT at) {
    GetCursorPos(&dragCursor_);
    SCROLLBARINFO info;
    if (BarInfo(info)) dragThumb_ = {info.xyThumbTop, info.xyThumbBottom};
    hotPart_ = HitTestBar(Span(), Along(at));
    pressed_ = true;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ReleaseCapture();
    const auto alive = AliveFlag();
    SendButtonDown(at);
    if (!*alive) return;
    pressed_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    hotPart_ = PartUnderCursor();
    Refresh();
}

// The loop's last request is no part of the bar: after a press the part
// under the pointer is hot again, or none when the pointer left the bar.
int TWScrollbar::PartUnderCursor() const {
    POINT at{};
    RECT client{};
    GetCursorPos(&at);
    ScreenToClient(Handle(), &at);
    GetClientRect(Handle(), &client);
    return PtInRect(&client, at) ? HitTestBar(Span(), Along(at)) : spNone;
}

void TWScrollbar::ButtonUp(POINT at) {
    pressed_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    PostButtonUp(at);
    Refresh();
}

// A window's bar takes the press as a non-client one at a screen point; a
// scroll bar control as a client press at the same point of its own (the
// overlay covers it exactly). Either way the platform's own scroll loop
// runs, and this call returns when it has ended.
void TWScrollbar::SendButtonDown(POINT at) {
    if (kind_ == TBarKind::Control) {
        MapWindowPoints(Handle(), host_, &at, 1);
        SendMessageW(host_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        return;
    }
    ClientToScreen(Handle(), &at);
    SendMessageW(host_, WM_NCLBUTTONDOWN, Vertical() ? HTVSCROLL : HTHSCROLL,
                 MAKELPARAM(at.x, at.y));
}

void TWScrollbar::PostButtonUp(POINT at) {
    if (kind_ == TBarKind::Control) {
        MapWindowPoints(Handle(), host_, &at, 1);
        PostMessageW(host_, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        return;
    }
    ClientToScreen(Handle(), &at);
    PostMessageW(host_, WM_NCLBUTTONUP, Vertical() ? HTVSCROLL : HTHSCROLL, MAKELPARAM(at.x, at.y));
}
