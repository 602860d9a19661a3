#include "engine/controls/date_time.h"

#include "engine/controls/child_window_class.h"

#include "core/skin_model.h"
#include "engine/controls/edit.h"
#include "engine/skin_draw.h"
#include "toolkit/gdi_objects.h"

#include <windowsx.h>

namespace {

constexpr wchar_t kArrowClass[] = L"VelmoraPickerArrow";
constexpr int kArrowInset = 4; // the picker's edge above and below, and at the side
constexpr int kHotFrame = 4, kNormalFrame = 1;

SIZE WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

bool LeftLayout(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
}

} // namespace

void PaintPickerArrow(HDC dc, const RECT& rect, const TPickerArrowLook& look) {
    TBrushHandle face(CreateSolidBrush(look.Face));
    FillRect(dc, &rect, face.Get());
    if (!look.Arrow || look.Arrow->Bitmap.Empty()) return;
    StretchSkinFrame(dc, rect, look.Arrow->Frame(look.Hot ? kHotFrame : kNormalFrame),
                     TKeyColour::Opaque);
}

RECT PickerArrowRect(SIZE picker, int arrowWidth, bool left) {
    const int x = left ? 2 : picker.cx - arrowWidth - kArrowInset;
    return RECT{x, 0, x + arrowWidth, picker.cy - kArrowInset};
}

TPickerArrow::TPickerArrow(TSkinDateTime& owner, HWND picker)
    : owner_(owner), picker_(picker), width_(GetSystemMetrics(SM_CXHSCROLL)) {
    if (!RegisterChildClass(kArrowClass, &WndProc)) return;
    const RECT r = PickerArrowRect(WindowSize(picker), width_, LeftLayout(picker));
    window_ =
        CreateWindowExW(0, kArrowClass, L"", WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, picker, nullptr, GetModuleHandleW(nullptr), this);
}

TPickerArrow::~TPickerArrow() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
}

void TPickerArrow::Place() {
    if (!window_) return;
    const RECT r = PickerArrowRect(WindowSize(picker_), width_, LeftLayout(picker_));
    SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK TPickerArrow::WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TPickerArrow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || msg == WM_NCCREATE || msg == WM_NCDESTROY) {
        if (msg == WM_NCDESTROY && self) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
        }
        return DefWindowProcW(window, msg, wParam, lParam);
    }
    return self->OnMessage(msg, wParam, lParam);
}

LRESULT TPickerArrow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        TPaintDC paint(window_);
        RECT client{};
        GetClientRect(window_, &client);
        PaintPickerArrow(paint.Get(), client, owner_.ArrowLook(hot_));
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEMOVE:
        if (!hot_ && IsWindowEnabled(picker_)) {
            SetHot(true);
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
            TrackMouseEvent(&track);
        }
        return 0;
    case WM_MOUSELEAVE:
        SetHot(false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ClickPicker(wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        SetFocus(picker_);
        return 0;
    default:
        return DefWindowProcW(window_, msg, wParam, lParam);
    }
}

void TPickerArrow::SetHot(bool on) {
    if (hot_ == on) return;
    hot_ = on;
    InvalidateRect(window_, nullptr, FALSE);
}

// The picker's own button lies under the arrow: the click lands there, in
// the picker's coordinates.
void TPickerArrow::ClickPicker(WPARAM keys, LPARAM at) {
    RECT r{};
    GetWindowRect(window_, &r);
    MapWindowPoints(nullptr, picker_, reinterpret_cast<POINT*>(&r), 2);
    const LPARAM onPicker = MAKELPARAM(GET_X_LPARAM(at) + r.left, GET_Y_LPARAM(at) + r.top);
    PostMessageW(picker_, WM_LBUTTONDOWN, keys, onPicker);
    PostMessageW(picker_, WM_LBUTTONUP, keys & ~MK_LBUTTON, onPicker);
    InvalidateRect(window_, nullptr, FALSE);
}

const TClassInfo& TSkinDateTime::StaticClass() {
    static const TClassInfo info(L"TSkinDateTime", &TSkinDrawnOver::StaticClass());
    return info;
}

TPickerArrowLook TSkinDateTime::ArrowLook(bool hot) const {
    TPickerArrowLook look;
    look.Arrow = Skin().ComboArrow.get();
    look.Face = FaceColour();
    look.Hot = hot;
    return look;
}

// The picker's own painting must leave the arrow alone.
void TSkinDateTime::OnAttach() {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    addedClipChildren_ = (style & WS_CLIPCHILDREN) == 0;
    if (addedClipChildren_) SetWindowLongPtrW(Handle(), GWL_STYLE, style | WS_CLIPCHILDREN);
    arrow_ = std::make_unique<TPickerArrow>(*this, Handle());
}

void TSkinDateTime::OnRestore() {
    arrow_.reset();
    if (!addedClipChildren_ || !IsWindow(Handle())) return;
    SetWindowLongPtrW(Handle(), GWL_STYLE,
                      GetWindowLongPtrW(Handle(), GWL_STYLE) & ~WS_CLIPCHILDREN);
    addedClipChildren_ = false;
}

void TSkinDateTime::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SIZE:
        if (arrow_) arrow_->Place();
        break;
    default:
        TSkinDrawnOver::AfterMessage(m);
        break;
    }
}

void TSkinDateTime::DrawSkin(HDC dc, const RECT& rect) {
    if (!EditHasBorder(Handle())) return;
    PaintEditBorder(dc, rect, ShadowColour(), 1);
}
