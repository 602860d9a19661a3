#pragma once
// TSkinControl: the skin object of one control of a skinned window, and the
// base every control family derives from. It hooks the control's window
// through the platform's subclass chain (one scheme for toolkit controls and
// raw dialog controls alike), runs each message through three stages
// (BeforeMessage, the control's own procedure, AfterMessage), and puts the
// control back exactly as it found it when the skin goes or the window dies.
//
// A family adds its state, a DrawSkin that paints that state into a DC from
// the skin (no window messages inside, so a test can call it on a bitmap),
// its BeforeMessage/AfterMessage, and an OnAttach/OnRestore pair for what it
// changes beyond what the base changes.
#include "engine/message_dispatch.h"
#include "toolkit/messages.h"
#include "toolkit/bitmap.h"
#include "toolkit/persistent.h"
#include "toolkit/window_subclass.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TSkinData;
class TWinControl;
class TControl;
class TWinSkinForm;
struct TSkinModel;

// Where a control skin stands with its window.
enum class TControlAttach { Detached, Attached, WindowGone };

// MouseState bits of the families that show hover and press.
enum TMouseBits : unsigned char { mbHot = 1, mbPressed = 2 };

class TSkinControl : public TPersistent, public TDispatchTarget {
    VELMORA_CLASS()
public:
    ~TSkinControl() override;

    // Starts skinning a control of the toolkit. With `keepColour` the
    // control's Color shows the skin's face colour while skinned. False when
    // the control has no window or the window refused the hook.
    bool AttachControl(TWinSkinForm& form, TSkinData& data, TWinControl& control, bool keepColour);
    // Starts skinning a window known only by its handle.
    bool AttachWindow(TWinSkinForm& form, TSkinData& data, HWND window);
    // Starts skinning a control without a window (a speed button); only the
    // families that paint one take it.
    virtual bool AttachGraphic(TWinSkinForm& form, TSkinData& data, TControl& control) {
        return false;
    }
    // The windowless control this skin paints, if any.
    virtual const TControl* Graphic() const { return nullptr; }
    // Undoes exactly what attaching did; nothing the second time, and nothing
    // on the window once it is gone.
    void RestoreControl();
    // The skin changed: the family rereads what it caches and repaints.
    virtual void SkinChanged();

    // Sets a published property of the toolkit control for as long as it is
    // skinned; restoring puts the earlier value back.
    void SetControlProp(const std::wstring& name, const std::wstring& value);

    HWND Handle() const { return handle_; }
    TWinControl* Control() const { return control_; }
    TControlAttach AttachState() const { return attachState_; }
    bool SkinEnabled() const { return skinEnabled_; }
    bool KeepColour() const { return keepColour_; }
    int Mode() const { return mode_; }

protected:
    TSkinControl() = default;

    // Attached with no window to hook: the family hooks its control itself.
    bool AttachWithoutWindow(TWinSkinForm& form, TSkinData& data);
    // The windowless control is going away; nothing is left to restore.
    void TargetGone();

    // The family's part of attaching and restoring, run after the base has
    // hooked the window and before it unhooks it.
    virtual void OnAttach() {}
    virtual void OnRestore() {}
    // Before the control sees the message: true passes it on (and then runs
    // AfterMessage); false ends it here with the Result set.
    virtual bool BeforeMessage(TMessage& m);
    // After the control has handled the message.
    virtual void AfterMessage(TMessage& m);
    // Paints the skin into `dc`; `rect` is the window rectangle at (0, 0).
    virtual void DrawSkin(HDC dc, const RECT& rect) {}

    // Hands the message to the control's own procedure.
    void CallPrevious(TMessage& m);
    // The same with the control's own drawing held back: the platform's
    // controls draw some state changes straight to the screen (focus,
    // enabling, text), which the skin would then paint over, a visible flash.
    void CallPreviousUnseen(TMessage& m);
    // Invalidates the control and paints it at once.
    void Repaint();
    // DrawSkin over the whole window rectangle into `dc`, or into a window
    // DC when `dc` is null (the border included).
    void PaintWindow(HDC dc);
    // A WM_PAINT drawn by DrawSkin alone (the control never paints itself).
    void PaintMessage(TMessage& m);
    // For the families that draw the whole control: WM_PAINT and
    // WM_PRINTCLIENT drawn by DrawSkin alone, WM_ERASEBKGND left undone (the
    // paint covers everything). True when `m` was one of them, answered.
    bool PaintWhole(TMessage& m);
    // WM_ERASEBKGND answered with what lies under the control.
    void EraseToParent(TMessage& m);

    void FillFace(HDC dc, const RECT& rect) const;
    void FillParentColor(HDC dc, const RECT& rect) const;
    // What lies under the control: its parent's Color, else the skin's face.
    COLORREF ParentColour() const;
    static void FillColor(HDC dc, const RECT& rect, COLORREF colour);
    // Runs `paint` on the control's off-screen buffer (kept while the size
    // stays) and copies the result to `dc` in one blit, so a visible surface
    // is never seen half drawn; straight into `dc` when GDI refuses a buffer.
    void PaintBuffered(HDC dc, const RECT& rect, const std::function<void(HDC)>& paint);
    // A focus rectangle around Text as `flags` place it in `rect`.
    void DrawTextFocus(HDC dc, UINT flags, const RECT& rect) const;

    TSkinData& SkinData() const { return *skinData_; }
    TWinSkinForm& Form() const { return *form_; }
    const TSkinModel& Skin() const;
    COLORREF FaceColour() const;
    COLORREF ShadowColour() const;
    // The face brush the form keeps for its raw children (valid while skinned).
    HBRUSH FaceBrush() const;

    // What the families read at each paint.
    std::wstring Text;
    unsigned char MouseState = 0;
    bool Enabled = true;
    bool Focused = false;
    RECT WindowRect{};
    // Each family says what it means; the base sets 1 when it switched the
    // control's ParentBackground off.
    int mode_ = 0;

private:
    struct TSavedProp {
        std::wstring Name;
        std::wstring Value;
    };

    bool Hook(TWinSkinForm& form, TSkinData& data, HWND window);
    static LRESULT Handler(void* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void SkinWndProc(TMessage& m);
    void WindowDestroyed(TMessage& m);
    // The family's restore, the toolkit side, then the hook.
    void Unhook();
    void ShowSkinColour();
    void RestoreToolkitSide();
    void SwitchParentBackground(bool on);
    bool StillOurControl() const;

    HWND handle_ = nullptr;
    TWinControl* control_ = nullptr;
    TSkinData* skinData_ = nullptr;
    TWinSkinForm* form_ = nullptr;
    std::unique_ptr<TWindowSubclass> subclass_;
    TControlAttach attachState_ = TControlAttach::Detached;
    bool skinEnabled_ = true;
    bool keepColour_ = false;
    int savedColor_ = 0;
    bool parentBackgroundWasOn_ = false;
    std::vector<TSavedProp> savedProps_;
    TBitmap buffer_;
};

// The window's text as a control skin shows it.
std::wstring ReadWindowText(HWND window);
// A drop-down list or other popup: it has WS_POPUP, or its parent is the desktop.
bool IsDropDownWindow(HWND window);
