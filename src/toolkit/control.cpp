#include "toolkit/control.h"

#include "toolkit/cursors.h"
#include "toolkit/win_control.h"

#include <windowsx.h>

const TClassInfo& TControl::StaticClass() {
    static const TClassInfo info(L"TControl", &TComponent::StaticClass(), [](TClassInfo& c) {
        c.Int<TControl>(L"Left", &TControl::Left, &TControl::SetLeft);
        c.Int<TControl>(L"Top", &TControl::Top, &TControl::SetTop);
        c.Int<TControl>(L"Width", &TControl::Width, &TControl::SetWidth);
        c.Int<TControl>(L"Height", &TControl::Height, &TControl::SetHeight);
        c.Int<TControl>(L"ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth);
        c.Int<TControl>(L"ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight);
        c.Bool<TControl>(L"Visible", &TControl::Visible, &TControl::SetVisible);
        c.Bool<TControl>(L"Enabled", &TControl::Enabled, &TControl::SetEnabled);
        c.Str<TControl>(L"Caption", &TControl::Caption, &TControl::SetCaption);
        c.Int<TControl>(L"Color", &TControl::Color, &TControl::SetColor);
        c.Obj<TControl, TFont>(L"Font", &TControl::Font);
        c.Bool<TControl>(L"ParentFont", &TControl::ParentFont, &TControl::SetParentFont);
        c.Int<TControl>(L"Cursor", &TControl::Cursor, &TControl::SetCursor);
        c.Str<TControl>(L"Hint", &TControl::Hint, &TControl::SetHint);
        c.Bool<TControl>(L"ShowHint", &TControl::ShowHint, &TControl::SetShowHint);
        c.Int<TControl>(L"TabOrder", &TControl::TabOrder, &TControl::SetTabOrder);
        c.Event(L"OnClick", &TControl::OnClick);
        c.Event(L"OnMouseDown", &TControl::OnMouseDown);
    });
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = MakeWndMethod<&TControl::WndProc>(this);
    font_.OnChange = [this] {
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        ParentFontChanged();
    }
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* w = dynamic_cast<TWinControl*>(parent)) SetParent(w);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged();
}

void TControl::SetVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    Perform(CM_VISIBLECHANGED, v);
}

void TControl::SetEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::wstring& v) {
    text_ = v;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(int v) {
    color_ = v;
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    auto keep = std::move(font_.OnChange);
    font_.Assign(parent_->GetFont());
    font_.OnChange = std::move(keep);
    FontChanged();
    Perform(CM_FONTCHANGED);
}

LRESULT TControl::Perform(UINT msg, WPARAM w, LPARAM l) {
    TMessage m{msg, w, l, 0};
    WindowProc(m);
    return m.Result;
}

POINT TControl::MapToScreen(POINT p) const {
    for (const TControl* c = this; c; c = c->parent_) {
        if (auto* w = dynamic_cast<const TWinControl*>(c); w && w->HandleAllocated()) {
            ::ClientToScreen(w->Handle(), &p);
            return p;
        }
        p.x += c->left_;
        p.y += c->top_;
    }
    return p;
}

void TControl::Invalidate() {}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::MouseMessage(TMessage& m) {
    int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
    auto down = [&](TMouseButton b) {
        if (OnMouseDown) OnMouseDown(this, b, static_cast<TShiftState>(m.WParam), x, y);
    };
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        down(TMouseButton::Left);
        break;
    case WM_RBUTTONDOWN:
        down(TMouseButton::Right);
        break;
    case WM_MBUTTONDOWN:
        down(TMouseButton::Middle);
        break;
    }
}

// The window's own handling comes first (a list view selects the row under
// a right click before OnMouseDown reads the selection).
void TControl::WndProc(TMessage& m) {
    DefaultHandler(m);
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) MouseMessage(m);
}

const TClassInfo& TGraphicControl::StaticClass() {
    static const TClassInfo info(L"TGraphicControl", &TControl::StaticClass());
    return info;
}

TGraphicControl::~TGraphicControl() {
    Perform(CM_RELEASE);
}

// A non-windowed control is clicked when the left button goes up over it
// after going down over it (its parent holds the capture in between).
void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        if (m.WParam) Paint(reinterpret_cast<HDC>(m.WParam));
        m.Result = 1;
        return;
    }
    int x = static_cast<short>(LOWORD(m.LParam)), y = static_cast<short>(HIWORD(m.LParam));
    bool inside = x >= 0 && y >= 0 && x < width_ && y < height_;
    if (m.Msg == WM_LBUTTONDOWN) mouseDownInside_ = true;
    TControl::WndProc(m);
    if (m.Msg == WM_LBUTTONUP) {
        bool click = mouseDownInside_ && inside;
        mouseDownInside_ = false;
        if (click) Click();
    }
}

void TGraphicControl::Invalidate() {
    if (Parent() && Parent()->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(Parent()->Handle(), &r, TRUE);
    }
}
