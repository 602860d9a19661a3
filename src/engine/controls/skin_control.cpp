#include "engine/controls/skin_control.h"

#include "engine/controls/control_props.h"
#include "engine/engine_messages.h"
#include "engine/paint_control_into.h"
#include "engine/skin_data.h"
#include "engine/win_skin_form.h"
#include "engine/window_facts.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/text_compare.h"
#include "toolkit/win_control.h"

const TClassInfo& TSkinControl::StaticClass() {
    static const TClassInfo info(L"TSkinControl", &TPersistent::StaticClass());
    return info;
}

// The form restores every control skin (the family's part included) before
// it frees it; an object freed directly still puts back what the base
// changed. The handle is forgotten when its window dies, so a handle still
// held here is this control's own window.
TSkinControl::~TSkinControl() {
    RestoreControl();
}

bool TSkinControl::AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control,
                                 bool keepColour) {
    if (attachState_ != TControlAttach::Detached) return false;
    try {
        control.HandleNeeded();
    } catch (const std::exception&) {
        return false;
    }
    control_ = &control;
    if (!Hook(form, data, control.Handle())) {
        control_ = nullptr;
        return false;
    }
    keepColour_ = keepColour;
    ShowSkinColour();
    OnAttach();
    control.Invalidate();
    return true;
}

bool TSkinControl::AttachWindow(TWinSkinForm& form, TSkinData& data, HWND window) {
    if (attachState_ != TControlAttach::Detached) return false;
    mode_ = 0;
    if (!Hook(form, data, window)) return false;
    OnAttach();
    InvalidateRect(window, nullptr, TRUE);
    return true;
}

bool TSkinControl::AttachWithoutWindow(TWinSkinForm& form, TSkinData& data) {
    if (attachState_ != TControlAttach::Detached) return false;
    form_ = &form;
    skinData_ = &data;
    attachState_ = TControlAttach::Attached;
    OnAttach();
    return true;
}

void TSkinControl::TargetGone() {
    skinEnabled_ = false;
    attachState_ = TControlAttach::WindowGone;
}

bool TSkinControl::Hook(TWinSkinForm& form, TSkinData& data, HWND window) {
    if (!window || !IsWindow(window)) return false;
    form_ = &form;
    skinData_ = &data;
    auto subclass = std::make_unique<TWindowSubclass>(window, this, &Handler);
    if (!subclass->Installed()) return false;
    subclass_ = std::move(subclass);
    handle_ = window;
    Text = ReadWindowText(window);
    Enabled = IsWindowEnabled(window) != FALSE;
    attachState_ = TControlAttach::Attached;
    return true;
}

void TSkinControl::RestoreControl() {
    if (attachState_ != TControlAttach::Attached) return;
    Unhook();
    attachState_ = TControlAttach::Detached;
    if (IsWindow(handle_))
        RedrawWindow(handle_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TSkinControl::Unhook() {
    OnRestore();
    RestoreToolkitSide();
    subclass_.reset();
}

void TSkinControl::SkinChanged() {
    if (attachState_ != TControlAttach::Attached) return;
    if (keepColour_ && StillOurControl()) control_->SetColor(static_cast<TColor>(FaceColour()));
    Repaint();
}

LRESULT TSkinControl::Handler(void* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    return Dispatch(static_cast<TSkinControl*>(object), window, m, &TSkinControl::SkinWndProc,
                    "control skin");
}

void TSkinControl::SkinWndProc(TMessage& m) {
    if (m.Msg == SKINMSG_ENABLE) {
        skinEnabled_ = static_cast<LONG_PTR>(m.WParam) > 0;
        if (!skinEnabled_) return;
        // The text may have changed while the skin let every message by.
        Text = ReadWindowText(handle_);
        Repaint();
        return;
    }
    if (m.Msg == WM_NCDESTROY) {
        WindowDestroyed(m);
        return;
    }
    if (!skinEnabled_) {
        CallPrevious(m);
        return;
    }
    if (!BeforeMessage(m)) return;
    CallPrevious(m);
    // The control's own handling may have run a loop in which the skin was
    // switched off or changed.
    if (attachState_ == TControlAttach::Attached && skinEnabled_) AfterMessage(m);
}

// Restored while the toolkit still knows its control by the window, then
// the handle is forgotten: it may soon belong to another window.
void TSkinControl::WindowDestroyed(TMessage& m) {
    skinEnabled_ = false;
    if (attachState_ == TControlAttach::Attached) Unhook();
    attachState_ = TControlAttach::WindowGone;
    handle_ = nullptr;
    control_ = nullptr;
    CallPrevious(m);
}

bool TSkinControl::BeforeMessage(TMessage& m) {
    if (m.Msg != SKINMSG_QUERY) return true;
    m.Result = 1;
    return false;
}

void TSkinControl::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_SETTEXT:
        Text = ReadWindowText(handle_);
        Repaint();
        break;
    case WM_ENABLE:
        Enabled = m.WParam != 0;
        Repaint();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        Repaint();
        break;
    case WM_PAINT:
        PaintWindow(reinterpret_cast<HDC>(m.WParam));
        break;
    default:
        break;
    }
}

void TSkinControl::CallPrevious(TMessage& m) {
    if (!PassOn(m) && handle_) m.Result = DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
}

// A window without WS_VISIBLE draws nothing; WM_SETREDRAW takes the bit away
// and gives it back without hiding or showing the window.
void TSkinControl::CallPreviousUnseen(TMessage& m) {
    const auto style = handle_ ? GetWindowLongPtrW(handle_, GWL_STYLE) : 0;
    const bool visible = (style & WS_VISIBLE) != 0;
    if (visible) DefWindowProcW(handle_, WM_SETREDRAW, FALSE, 0);
    CallPrevious(m);
    if (visible && handle_ && IsWindow(handle_)) DefWindowProcW(handle_, WM_SETREDRAW, TRUE, 0);
}

void TSkinControl::Repaint() {
    if (!handle_) return;
    InvalidateRect(handle_, nullptr, TRUE);
    UpdateWindow(handle_);
}

void TSkinControl::PaintWindow(HDC dc) {
    RECT r{};
    if (!handle_ || !GetWindowRect(handle_, &r)) return;
    WindowRect = r;
    const RECT rect{0, 0, r.right - r.left, r.bottom - r.top};
    if (dc) {
        DrawSkin(dc, rect);
        return;
    }
    TWindowDC window(handle_, true);
    if (window) DrawSkin(window.Get(), rect);
}

void TSkinControl::PaintMessage(TMessage& m) {
    RECT r{};
    const bool haveRect = GetWindowRect(handle_, &r) != FALSE;
    // DrawSkin draws the whole window from its top-left; a client DC starts
    // at the client's top-left, so the picture is moved back by the border.
    POINT client{0, 0};
    ClientToScreen(handle_, &client);
    const auto draw = [&](HDC dc) {
        if (!haveRect) return;
        WindowRect = r;
        TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, r.left - client.x, r.top - client.y, nullptr);
        DrawSkin(dc, RECT{0, 0, r.right - r.left, r.bottom - r.top});
    };
    if (m.WParam) {
        draw(reinterpret_cast<HDC>(m.WParam));
    } else {
        TPaintDC paint(handle_);
        draw(paint.Get());
    }
    m.Result = 0;
}

void TSkinControl::EraseToParent(TMessage& m) {
    const HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (control_) {
        PaintControlInto(control_, dc);
    } else {
        RECT client{};
        GetClientRect(handle_, &client);
        FillParentColor(dc, client);
    }
    m.Result = 1;
}

bool TSkinControl::PaintWhole(TMessage& m) {
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        PaintMessage(m);
        return true;
    case WM_ERASEBKGND:
        m.Result = 1;
        return true;
    default:
        return false;
    }
}

void TSkinControl::FillFace(HDC dc, const RECT& rect) const {
    FillColor(dc, rect, FaceColour());
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const {
    FillColor(dc, rect, ParentColour());
}

COLORREF TSkinControl::ParentColour() const {
    const TWinControl* parent = control_ ? control_->Parent() : nullptr;
    const long long colour = GetOrdPropByName(parent, L"Color");
    // -1 is "no such property"; no colour has that value.
    return colour != -1 ? ColorToRGB(static_cast<TColor>(colour)) : FaceColour();
}

void TSkinControl::FillColor(HDC dc, const RECT& rect, COLORREF colour) {
    TBrushHandle brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &rect, brush.Get());
}

void TSkinControl::PaintBuffered(HDC dc, const RECT& rect, const std::function<void(HDC)>& paint) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    const bool ready = buffer_.Fit(w, h);
    if (!ready) {
        paint(dc);
        return;
    }
    paint(buffer_.DC());
    BitBlt(dc, rect.left, rect.top, w, h, buffer_.DC(), 0, 0, SRCCOPY);
}

void TSkinControl::DrawTextFocus(HDC dc, UINT flags, const RECT& rect) const {
    RECT text = rect;
    DrawTextW(dc, Text.c_str(), static_cast<int>(Text.size()), &text,
              flags | DT_CALCRECT | DT_NOCLIP);
    const int width = text.right - text.left, height = text.bottom - text.top;
    if (flags & DT_CENTER) {
        OffsetRect(&text, ((rect.right - rect.left) - width) / 2,
                   ((rect.bottom - rect.top) - height) / 2 - 1);
    } else if (flags & DT_RIGHT) {
        OffsetRect(&text, (rect.right - rect.left) - width, 0);
    }
    InflateRect(&text, 2, 1);
    RECT clipped{};
    if (IntersectRect(&clipped, &text, &rect)) DrawFocusRect(dc, &clipped);
}

void TSkinControl::SetControlProp(const std::wstring& name, const std::wstring& value) {
    if (!control_) return;
    const std::wstring before = GetPropText(control_, name);
    if (SetPropByName(control_, name, value)) savedProps_.push_back({name, before});
}

const TSkinModel& TSkinControl::Skin() const {
    return skinData_->Skin();
}

COLORREF TSkinControl::FaceColour() const {
    return ColorToRGB(static_cast<TColor>(Skin().Colour(sciButtonFace)));
}

COLORREF TSkinControl::ShadowColour() const {
    return ColorToRGB(static_cast<TColor>(Skin().Colour(sciButtonShadow)));
}

HBRUSH TSkinControl::FaceBrush() const {
    return form_ ? form_->FaceBrush() : nullptr;
}

void TSkinControl::ShowSkinColour() {
    if (!keepColour_ || !control_) return;
    SwitchParentBackground(false);
    if (parentBackgroundWasOn_) mode_ = 1;
    savedColor_ = control_->Color();
    control_->SetColor(static_cast<TColor>(FaceColour()));
}

void TSkinControl::RestoreToolkitSide() {
    if (!StillOurControl()) return;
    // Last written, first put back: two writes of one name end on the first
    // value.
    for (auto it = savedProps_.rbegin(); it != savedProps_.rend(); ++it)
        SetPropByName(control_, it->Name, it->Value);
    savedProps_.clear();
    if (!keepColour_) return;
    SwitchParentBackground(true);
    control_->SetColor(savedColor_);
}

void TSkinControl::SwitchParentBackground(bool on) {
    if (InSet(skinData_->Options(), xoParentBackGround)) return;
    if (on) {
        if (parentBackgroundWasOn_) SetPropByName(control_, L"ParentBackground", L"True");
        parentBackgroundWasOn_ = false;
        return;
    }
    parentBackgroundWasOn_ =
        SameTextNoCase(GetEnumPropByName(control_, L"ParentBackground"), L"True");
    if (parentBackgroundWasOn_) SetPropByName(control_, L"ParentBackground", L"False");
}

bool TSkinControl::StillOurControl() const {
    return control_ && handle_ && TWinControl::FindControl(handle_) == control_;
}

std::wstring ReadWindowText(HWND window) {
    return WindowTextOf(window);
}

bool IsDropDownWindow(HWND window) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    return (style & WS_POPUP) != 0 || GetParent(window) == GetDesktopWindow();
}
