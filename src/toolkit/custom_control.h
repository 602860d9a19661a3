#pragma once
// A windowed control of the toolkit's own window class that paints itself
// (and its non-windowed children) on a background of its Color.
#include "toolkit/win_control.h"

class TCustomControl : public TWinControl {
    VELMORA_CLASS()
public:
    using TWinControl::TWinControl;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    // Draws the control's face into dc (client coordinates).
    virtual void Paint(HDC dc) {}
};
