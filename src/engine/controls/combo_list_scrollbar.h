#pragma once
// TComboxScrollBar: the vertical bar of a combo box's drop-down list,
// painted straight into the list's frame (a drop-down is a popup, so no
// sibling overlay can lie over it). The list paints its native bar first and
// the skin covers it; a press on the thumb is dragged by the skin's own
// loop, which moves the list with the platform's thumb-track requests.
#include "engine/controls/scrollbar_paint.h"
#include "engine/controls/skin_control.h"
#include "toolkit/bitmap.h"

class TComboxScrollBar : public TSkinControl {
    VELMORA_CLASS()
public:
    // What the bar shows now; empty when the list has no visible bar.
    TScrollBarLook CurrentLook() const;
    // True while the skin's own thumb drag runs.
    bool Dragging() const { return dragging_; }

protected:
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    bool BarInfo(SCROLLBARINFO& info) const;
    // Takes a press at `screen` on the thumb and drags until the button is
    // released, the capture is lost or the program quits; false when the
    // press was not on the thumb.
    bool DragThumb(POINT screen);
    bool ScrollStateChanged() const;

    TBitmap buffer_;
    SCROLLINFO painted_{};
    bool dragging_ = false;
};
