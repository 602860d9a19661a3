#pragma once
// TSkinControl: the skin object of one control of a skinned window. The form
// skin object keeps a list of them and frees them; the control families
// derive from this base.
#include <windows.h>

class TWinSkinForm;

// Where a control skin stands with its window.
enum class TControlAttach { Detached, Attached, WindowGone };

class TSkinControl {
public:
    virtual ~TSkinControl() = default;
    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    // Undoes exactly what attaching did.
    virtual void RestoreControl() {}
    // The skin changed: reread what is cached and repaint.
    virtual void SkinChanged() {}
    // The mouse left the control (raw windows get no WM_MOUSELEAVE from us).
    virtual void MouseLeave() {}

    HWND Handle = nullptr;
    TControlAttach AttachState = TControlAttach::Detached;
    TWinSkinForm* Form = nullptr;

protected:
    TSkinControl() = default;
};
