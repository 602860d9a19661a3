#pragma once
// Controls with a window of their own. The window is made on demand
// (HandleNeeded), with its children; the control object is stored on it as
// a window property, and every message of the window goes through the
// control's WindowProc before the window's original procedure.
#include "toolkit/control.h"
#include "toolkit/window_subclass.h"

#include <memory>

#include <string>
#include <vector>

struct TCreateParams {
    std::wstring WinClassName; // a system class ("BUTTON") or the toolkit's own
    bool SystemClass = false;  // subclassed after creation when true
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
    VELMORA_CLASS()
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    // Creates the window (and those of the child controls) if not yet made.
    void HandleNeeded();
    void DestroyHandle();

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }

    // Paints the non-windowed children, in child order, into `dc` whose
    // origin is this control's client top-left.
    void PaintControls(HDC dc);
    // The visible non-windowed child at a client point, or nullptr.
    TGraphicControl* GraphicControlAt(POINT p) const;

    void SetBounds(int left, int top, int width, int height) override;
    std::wstring GetText() const override;
    void SetText(const std::wstring& v) override;
    void Invalidate() override;
    bool Focused() const;
    void SetFocus();

    // A key pressed in the window; a handler that sets the key to 0 keeps
    // it from the window.
    TKeyEvent OnKeyDown;
    // The window was asked for its context menu (WM_CONTEXTMENU).
    TContextPopupEvent OnContextPopup;

    void WndProc(TMessage& m) override;
    void DefaultHandler(TMessage& m) override;

    // The control stored on a window of this process, or nullptr.
    static TWinControl* FindControl(HWND wnd);
    // "ControlOfs" + module instance + thread id (at least 8 upper-case hex
    // digits each, all of a 64-bit handle's): the property under which every
    // toolkit window holds its control, so that the skin engine finds it from
    // a bare handle.
    static const std::wstring& ControlAtomName();
    static ATOM ControlAtom();

protected:
    virtual void CreateParams(TCreateParams& params);
    // Runs right after the window exists (and before its children are made).
    virtual void CreateWnd() {}
    void FontChanged() override;
    void BoundsChanged() override;
    // The brush a reflected WM_CTLCOLOR* of this control answers with;
    // nullptr lets the parent's default decide.
    virtual HBRUSH CtlColor(HDC dc);
    void SetStyleBit(DWORD bit, bool on);

private:
    friend class TControl;
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    void CreateHandle();
    void ApplyTabOrder();
    bool ReflectToChild(TMessage& m);
    bool KeyDown(TMessage& m);
    void TrackGraphicUnderMouse(TMessage& m);
    bool ContextPopup(TMessage& m);
    void PaintWithControls(TMessage& m);
    bool ForwardMouseToGraphic(TMessage& m);
    bool SetCursorFromChild(TMessage& m);
    static LRESULT SubclassHandler(void* object, HWND wnd, UINT msg, WPARAM w, LPARAM l);

    HWND handle_ = nullptr;
    std::unique_ptr<TWindowSubclass> subclass_;
    // The window class's procedure, for messages performed from outside.
    WNDPROC classProc_ = nullptr;
    int dispatchDepth_ = 0;
    std::vector<TControl*> controls_;
    TGraphicControl* mouseCapture_ = nullptr;
    TGraphicControl* mouseOver_ = nullptr;
    TBrushHandle brush_;
};
