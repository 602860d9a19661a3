#pragma once
// Controls: a parent, bounds, Visible/Enabled, a font and colour, and the
// replaceable message handler WindowProc that sees every message.
#include "toolkit/colours.h"
#include "toolkit/component.h"
#include "toolkit/events.h"
#include "toolkit/font.h"
#include "toolkit/messages.h"

class TWinControl;

class TControl : public TComponent {
    VELMORA_CLASS()
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    virtual void SetClientWidth(int v) { SetWidth(v); }
    virtual void SetClientHeight(int v) { SetHeight(v); }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    std::wstring Caption() const { return GetText(); }
    void SetCaption(const std::wstring& v) { SetText(v); }
    virtual std::wstring GetText() const { return text_; }
    virtual void SetText(const std::wstring& v);
    int Color() const { return color_; }
    void SetColor(int v);
    TFont* Font() { return &font_; }
    const TFont& GetFont() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    int Cursor() const { return cursor_; }
    void SetCursor(int v) { cursor_ = v; }
    std::wstring Hint() const { return hint_; }
    void SetHint(const std::wstring& v) { hint_ = v; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) { tabOrder_ = v; }

    // The handler the toolkit calls for every message of this control.
    TWndMethod WindowProc;
    // Sends a message straight to WindowProc.
    LRESULT Perform(UINT msg, WPARAM w = 0, LPARAM l = 0);
    // The toolkit's own handling; the default value of WindowProc.
    virtual void WndProc(TMessage& message);
    // What happens to a message nobody handled.
    virtual void DefaultHandler(TMessage& message) {}

    // A point of this control's client area in screen coordinates (named
    // apart from the Win32 function so that members can still call it).
    POINT MapToScreen(POINT p) const;
    virtual void Invalidate();
    virtual void Click();

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;

protected:
    // The parent's font changed: a control with ParentFont takes it.
    void ParentFontChanged();
    virtual void FontChanged() {}
    virtual void ColorChanged() {}
    virtual void BoundsChanged() {}
    void MouseMessage(TMessage& m);

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::wstring text_;
    TColor color_ = clBtnFace;
    TFont font_;
    bool parentFont_ = true;
    int cursor_ = 0;
    std::wstring hint_;
    bool showHint_ = false;
    int tabOrder_ = -1;
    bool mouseDownInside_ = false;

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
};

// A control without a window of its own: its parent paints it, into
// whatever DC the parent is given, and forwards mouse messages to it.
// WM_PAINT reaches it through WindowProc with the parent's DC in WParam, so a
// replaced handler can paint it; CM_MOUSEENTER and CM_MOUSELEAVE tell it the
// pointer came and went, CM_RELEASE that it is being freed.
class TGraphicControl : public TControl {
    VELMORA_CLASS()
public:
    using TControl::TControl;
    ~TGraphicControl() override;
    virtual void Paint(HDC dc) {} // (0, 0) is the control's top-left corner
    void Invalidate() override;
    void WndProc(TMessage& m) override;
};
