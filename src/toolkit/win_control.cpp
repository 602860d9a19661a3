#include "toolkit/win_control.h"

#include "toolkit/caught_errors.h"
#include "toolkit/cursors.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace {

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK;
}

UINT SingleClick(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDBLCLK:
        return WM_LBUTTONDOWN;
    case WM_RBUTTONDBLCLK:
        return WM_RBUTTONDOWN;
    case WM_MBUTTONDBLCLK:
        return WM_MBUTTONDOWN;
    default:
        return msg;
    }
}

bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
}
bool IsButtonUp(UINT msg) {
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

void RegisterOwnClass(const TCreateParams& p) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(inst, p.WinClassName.c_str(), &wc)) return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.style = p.ClassStyle;
    wc.lpfnWndProc = DefWindowProcW; // replaced per window below
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = p.WinClassName.c_str();
    wc.hIcon = LoadIconW(inst, L"MAINICON");
    RegisterClassExW(&wc);
}

} // namespace

const TClassInfo& TWinControl::StaticClass() {
    static const TClassInfo info(L"TWinControl", &TControl::StaticClass(), [](TClassInfo& c) {
        c.Event(L"OnKeyDown", &TWinControl::OnKeyDown);
        c.Event(L"OnContextPopup", &TWinControl::OnContextPopup);
    });
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    DestroyHandle();
    for (TControl* c : controls_)
        c->parent_ = nullptr;
    controls_.clear();
}

const std::wstring& TWinControl::ControlAtomName() {
    // At least 8 upper-case hex digits each, as "%.8X" prints them: a 64-bit
    // module handle above 4 GB keeps all its digits instead of being cut.
    static const std::wstring name = [] {
        const auto hex = [](unsigned long long value) {
            std::wstring text;
            for (; value || text.size() < 8; value >>= 4)
                text.insert(text.begin(), L"0123456789ABCDEF"[value & 0xF]);
            return text;
        };
        return L"ControlOfs" + hex(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr))) +
               hex(GetCurrentThreadId());
    }();
    return name;
}

ATOM TWinControl::ControlAtom() {
    static const ATOM atom = GlobalAddAtomW(ControlAtomName().c_str());
    return atom;
}

TWinControl* TWinControl::FindControl(HWND wnd) {
    if (!wnd) return nullptr;
    // The atom is global: another process can put any value under it on its
    // own windows, whose handles reach ours in messages.
    DWORD process = 0;
    if (!GetWindowThreadProcessId(wnd, &process) || process != GetCurrentProcessId())
        return nullptr;
    return static_cast<TWinControl*>(GetPropW(wnd, MAKEINTATOM(ControlAtom())));
}

void TWinControl::InsertControl(TControl* c) {
    controls_.push_back(c);
}

void TWinControl::RemoveControl(TControl* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    if (mouseCapture_ == c) mouseCapture_ = nullptr;
    if (mouseOver_ == c) mouseOver_ = nullptr;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.WinClassName = ClassName();
    p.Caption = text_;
    p.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (visible_) p.Style |= WS_VISIBLE;
    if (!enabled_) p.Style |= WS_DISABLED;
    p.X = left_;
    p.Y = top_;
    p.Width = width_;
    p.Height = height_;
}

void TWinControl::HandleNeeded() {
    if (!handle_) CreateHandle();
}

// Own classes are registered with DefWindowProcW and subclassed right after
// creation exactly like system classes, so both share one path.
void TWinControl::CreateHandle() {
    if (Parent()) Parent()->HandleNeeded();
    TCreateParams p;
    CreateParams(p);
    if (Parent()) p.WndParent = Parent()->Handle();
    if (!p.SystemClass) RegisterOwnClass(p);
    HWND wnd = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X,
                               p.Y, p.Width, p.Height, p.WndParent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!wnd) throw std::runtime_error("cannot create a window");
    handle_ = wnd;
    SetPropW(wnd, MAKEINTATOM(ControlAtom()), this);
    // The platform's subclass chain, as the skin engine's hooks use it: a
    // hook put on later is never cut off by ours coming or going.
    classProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC));
    subclass_ = std::make_unique<TWindowSubclass>(wnd, this, &SubclassHandler);
    if (!subclass_->Installed()) throw std::runtime_error("cannot hook a window");
    SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
    CreateWnd();
    for (TControl* c : std::vector<TControl*>(controls_))
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
    ApplyTabOrder();
}

// Tab navigation follows the windows' z-order: stack the children by their
// TabOrder (stored order where none is given).
void TWinControl::ApplyTabOrder() {
    std::vector<TWinControl*> children;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->HandleAllocated())
            children.push_back(w);
    std::stable_sort(children.begin(), children.end(), [](TWinControl* a, TWinControl* b) {
        auto key = [](TWinControl* w) { return w->tabOrder_ < 0 ? INT_MAX : w->tabOrder_; };
        return key(a) < key(b);
    });
    HWND after = HWND_TOP;
    for (TWinControl* w : children) {
        SetWindowPos(w->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = w->handle_;
    }
}

void TWinControl::DestroyHandle() {
    if (handle_) DestroyWindow(handle_);
}

LRESULT TWinControl::SubclassHandler(void* object, HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    auto* control = static_cast<TWinControl*>(object);
    TMessage m{msg, w, l, 0};
    ++control->dispatchDepth_;
    try {
        control->WindowProc(m);
    } catch (...) {
        // Nothing may cross the window procedure; the window keeps working.
        RecordCaughtError("window procedure");
        m.Result = msg == WM_NCDESTROY ? 0 : DefSubclassProc(wnd, msg, w, l);
    }
    --control->dispatchDepth_;
    if (msg == WM_NCDESTROY) {
        RemovePropW(wnd, MAKEINTATOM(ControlAtom()));
        control->subclass_.reset();
        control->handle_ = nullptr;
        control->classProc_ = nullptr;
    }
    return m.Result;
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (!handle_) return;
    // Inside one of the window's messages the rest of its chain answers;
    // a message performed from outside goes to the class's own procedure.
    if (dispatchDepth_ > 0)
        m.Result = DefSubclassProc(handle_, m.Msg, m.WParam, m.LParam);
    else if (classProc_)
        m.Result = CallWindowProcW(classProc_, handle_, m.Msg, m.WParam, m.LParam);
}

bool TWinControl::ReflectToChild(TMessage& m) {
    HWND child = nullptr;
    switch (m.Msg) {
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem;
        break;
    case WM_MEASUREITEM:
        child = GetDlgItem(handle_, static_cast<int>(m.WParam));
        break;
    default:
        child = reinterpret_cast<HWND>(m.LParam);
    }
    TWinControl* control = FindControl(child);
    if (!control || control == this) return false;
    m.Result = control->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    bool ctlColor = m.Msg >= WM_CTLCOLORMSGBOX && m.Msg <= WM_CTLCOLORSTATIC;
    return !ctlColor || m.Result != 0;
}

HBRUSH TWinControl::CtlColor(HDC dc) {
    if (color_ == clBtnFace) return nullptr;
    SetTextColor(dc, ColorToRGB(font_.Color()));
    SetBkColor(dc, ColorToRGB(color_));
    if (!brush_) brush_.Reset(CreateSolidBrush(ColorToRGB(color_)));
    return brush_.Get();
}

void TWinControl::PaintControls(HDC dc) {
    for (TControl* c : controls_) {
        auto* g = dynamic_cast<TGraphicControl*>(c);
        if (!g || !g->Visible()) continue;
        TSavedDC saved(dc);
        IntersectClipRect(dc, g->Left(), g->Top(), g->Left() + g->Width(), g->Top() + g->Height());
        POINT old;
        OffsetViewportOrgEx(dc, g->Left(), g->Top(), &old);
        g->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
        SetViewportOrgEx(dc, old.x, old.y, nullptr);
    }
}

TGraphicControl* TWinControl::GraphicControlAt(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        auto* g = dynamic_cast<TGraphicControl*>(*it);
        RECT r = g ? g->BoundsRect() : RECT{};
        if (g && g->Visible() && PtInRect(&r, p)) return g;
    }
    return nullptr;
}

void TWinControl::PaintWithControls(TMessage& m) {
    if (m.WParam) {
        DefaultHandler(m);
        PaintControls(reinterpret_cast<HDC>(m.WParam));
        return;
    }
    TPaintDC dc(handle_);
    TMessage inner = m;
    inner.WParam = reinterpret_cast<WPARAM>(dc.Get());
    DefaultHandler(inner);
    PaintControls(dc.Get());
    m.Result = 0;
}

// Tells the windowless controls when the pointer comes onto one and leaves it.
void TWinControl::TrackGraphicUnderMouse(TMessage& m) {
    TGraphicControl* over = nullptr;
    if (m.Msg == WM_MOUSEMOVE) {
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        over = GraphicControlAt(p);
    }
    if (over == mouseOver_) return;
    if (mouseOver_) mouseOver_->Perform(CM_MOUSELEAVE);
    mouseOver_ = over;
    if (!over) return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    TrackMouseEvent(&track);
    over->Perform(CM_MOUSEENTER);
}

bool TWinControl::ForwardMouseToGraphic(TMessage& m) {
    POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TGraphicControl* target = mouseCapture_ ? mouseCapture_ : GraphicControlAt(p);
    if (!target || !target->Enabled()) return false;
    UINT msg = SingleClick(m.Msg);
    if (IsButtonDown(msg)) {
        mouseCapture_ = target;
        SetCapture(handle_);
    }
    LPARAM local = MAKELPARAM(p.x - target->Left(), p.y - target->Top());
    m.Result = target->Perform(msg, m.WParam, local);
    if (IsButtonUp(msg) && mouseCapture_) {
        mouseCapture_ = nullptr;
        ReleaseCapture();
    }
    return true;
}

bool TWinControl::SetCursorFromChild(TMessage& m) {
    if (reinterpret_cast<HWND>(m.WParam) != handle_ || LOWORD(m.LParam) != HTCLIENT) return false;
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(handle_, &p);
    TGraphicControl* g = GraphicControlAt(p);
    HCURSOR cursor = CursorHandle(g ? g->Cursor() : cursor_);
    if (!cursor) return false;
    ::SetCursor(cursor);
    m.Result = TRUE;
    return true;
}

// True when the handler swallowed the key.
bool TWinControl::KeyDown(TMessage& m) {
    if (!OnKeyDown) return false;
    WORD key = static_cast<WORD>(m.WParam);
    TShiftState shift =
        (GetKeyState(VK_SHIFT) < 0 ? MK_SHIFT : 0) | (GetKeyState(VK_CONTROL) < 0 ? MK_CONTROL : 0);
    OnKeyDown(this, key, shift);
    m.WParam = key;
    return key == 0;
}

// True when the handler dealt with the request.
bool TWinControl::ContextPopup(TMessage& m) {
    if (!OnContextPopup || reinterpret_cast<HWND>(m.WParam) != handle_) return false;
    POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (at.x != -1 || at.y != -1) ScreenToClient(handle_, &at);
    bool handled = false;
    OnContextPopup(this, at, handled);
    return handled;
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
        if (KeyDown(m)) return;
        break;
    case WM_CONTEXTMENU:
        if (ContextPopup(m)) return;
        break;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        if (m.LParam && ReflectToChild(m)) return;
        break;
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORSCROLLBAR:
        m.Result = reinterpret_cast<LRESULT>(CtlColor(reinterpret_cast<HDC>(m.WParam)));
        return;
    case WM_PAINT:
        if (std::any_of(controls_.begin(), controls_.end(),
                        [](TControl* c) { return dynamic_cast<TGraphicControl*>(c); })) {
            PaintWithControls(m);
            return;
        }
        break;
    case WM_SETCURSOR:
        if (SetCursorFromChild(m)) return;
        break;
    case WM_WINDOWPOSCHANGED: {
        auto* wp = reinterpret_cast<WINDOWPOS*>(m.LParam);
        if (!(wp->flags & SWP_NOMOVE)) left_ = wp->x, top_ = wp->y;
        if (!(wp->flags & SWP_NOSIZE)) width_ = wp->cx, height_ = wp->cy;
        break;
    }
    case CM_VISIBLECHANGED:
        if (handle_) ShowWindow(handle_, visible_ ? SW_SHOWNA : SW_HIDE);
        return;
    case CM_ENABLEDCHANGED:
        if (handle_) EnableWindow(handle_, enabled_);
        return;
    case CM_COLORCHANGED:
        brush_.Reset();
        Invalidate();
        return;
    default:
        if (m.Msg >= CN_BASE && m.Msg < CN_BASE + WM_USER) return; // unhandled reflection
        if (m.Msg >= CM_BASE && m.Msg < CN_BASE) return;           // toolkit-internal
        if (m.Msg == WM_MOUSEMOVE || m.Msg == WM_MOUSELEAVE) TrackGraphicUnderMouse(m);
        if (IsMouseMessage(m.Msg) && ForwardMouseToGraphic(m)) return;
    }
    TControl::WndProc(m);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring TWinControl::GetText() const {
    if (!handle_) return text_;
    int n = GetWindowTextLengthW(handle_);
    std::wstring s(n + 1, L'\0');
    s.resize(GetWindowTextW(handle_, s.data(), n + 1));
    return s;
}

void TWinControl::SetText(const std::wstring& v) {
    text_ = v;
    if (handle_) SetWindowTextW(handle_, v.c_str());
    Perform(CM_TEXTCHANGED);
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

bool TWinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
    if (handle_) ::SetFocus(handle_);
}

void TWinControl::FontChanged() {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
    for (TControl* c : controls_)
        c->ParentFontChanged();
}

void TWinControl::BoundsChanged() {}

void TWinControl::SetStyleBit(DWORD bit, bool on) {
    if (!handle_) return;
    LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE,
                      on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit)));
}
