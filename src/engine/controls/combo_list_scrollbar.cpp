#include "engine/controls/combo_list_scrollbar.h"

#include "core/skin_model.h"
#include "engine/platform_api.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"

#include <algorithm>

namespace {

// The list box's internal request that follows a change of its top line.
constexpr UINT kListTopChanged = 0x1AE;

SCROLLINFO ScrollState(HWND list) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(list, SB_VERT, &si)) si = SCROLLINFO{};
    return si;
}

bool IsMouseMove(UINT msg) {
    return msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE;
}
bool IsButtonUp(UINT msg) {
    return msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP;
}

// Where a mouse message puts the pointer, in screen coordinates.
POINT ScreenPointOf(const MSG& msg) {
    POINT at{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    if (msg.message == WM_MOUSEMOVE) ClientToScreen(msg.hwnd, &at);
    return at;
}

} // namespace

const TClassInfo& TComboxScrollBar::StaticClass() {
    static const TClassInfo info(L"TComboxScrollBar", &TSkinControl::StaticClass());
    return info;
}

bool TComboxScrollBar::BarInfo(SCROLLBARINFO& info) const {
    info = SCROLLBARINFO{};
    info.cbSize = sizeof(info);
    return QueryScrollBarInfo(Handle(), OBJID_VSCROLL, info) &&
           !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

// The native bar's hot arrows would flash under the skin: the pointer over
// the bar is not the list's business.
bool TComboxScrollBar::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
        return true;
    case WM_NCMOUSEMOVE:
        return m.WParam != HTHSCROLL && m.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
        if (m.WParam != HTVSCROLL || dragging_) return true;
        if (!DragThumb(
                {static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))}))
            return true;
        m.Result = 0;
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

// The list draws its native bar whenever it scrolls, from the keyboard and
// the wheel too: the skin covers it again whenever the scroll state moved.
void TComboxScrollBar::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_NCPAINT:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case kListTopChanged:
        PaintWindow(nullptr);
        break;
    default:
        if (AttachState() == TControlAttach::Attached && ScrollStateChanged()) PaintWindow(nullptr);
        break;
    }
}

bool TComboxScrollBar::ScrollStateChanged() const {
    const SCROLLINFO now = ScrollState(Handle());
    return now.nPos != painted_.nPos || now.nPage != painted_.nPage || now.nMax != painted_.nMax ||
           now.nMin != painted_.nMin;
}

TScrollBarLook TComboxScrollBar::CurrentLook() const {
    TScrollBarLook look;
    SCROLLBARINFO info;
    if (!BarInfo(info)) return look;
    look.Vertical = true;
    look.Width = info.rcScrollBar.right - info.rcScrollBar.left;
    look.Height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    look.ArrowSize = GetSystemMetrics(SM_CYVSCROLL);
    look.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
    look.Thumb = {info.xyThumbTop, info.xyThumbBottom};
    look.Face = FaceColour();
    return look;
}

// Copied 1:1 where the native bar lies in the window.
void TComboxScrollBar::DrawSkin(HDC dc, const RECT&) {
    painted_ = ScrollState(Handle());
    SCROLLBARINFO info;
    if (!BarInfo(info)) return;
    const TScrollBarLook look = CurrentLook();
    BlitScrollBar(dc, info.rcScrollBar.left - WindowRect.left,
                  info.rcScrollBar.top - WindowRect.top, ComposeScrollBar(look, Skin()), buffer_);
}

// Waits for messages rather than polling; ends when the button comes up,
// when a move arrives without the button, when the capture goes elsewhere
// (another window, Alt+Tab, WM_CANCELMODE) and on WM_QUIT, which it posts
// again for the program's own loop. The skin may be switched off by a
// message dispatched here: then nothing of this object is touched again.
bool TComboxScrollBar::DragThumb(POINT screen) {
    SCROLLBARINFO info;
    if (!BarInfo(info)) return false;
    const int along = screen.y - info.rcScrollBar.top;
    if (along < info.xyThumbTop || along > info.xyThumbBottom) return false;
    const HWND list = Handle();
    const SCROLLINFO si = ScrollState(list);
    const TScrollRange range{si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos};
    const int arrow = GetSystemMetrics(SM_CYVSCROLL);
    const int offset0 = info.xyThumbTop - arrow;
    const int track = info.rcScrollBar.bottom - info.rcScrollBar.top - 2 * arrow;
    const int size = info.xyThumbBottom - info.xyThumbTop;
    int last = si.nPos;
    const auto alive = AliveFlag();
    dragging_ = true;
    SetCapture(list);
    for (;;) {
        MSG msg{};
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (IsButtonUp(msg.message)) {
            SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
            PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!*alive) {
            if (GetCapture() == list) ReleaseCapture();
            return true;
        }
        if (GetCapture() != list) break;
        if (!IsMouseMove(msg.message)) continue;
        if (msg.message == WM_MOUSEMOVE && !(msg.wParam & MK_LBUTTON)) break;
        const int moved = ScreenPointOf(msg).y - screen.y;
        const int pos = PositionForThumbOffset(range, offset0 + moved, track, size);
        if (pos != last) SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, pos), 0);
        last = pos;
        if (!*alive) return true;
    }
    dragging_ = false;
    if (GetCapture() == list) ReleaseCapture();
    return true;
}
