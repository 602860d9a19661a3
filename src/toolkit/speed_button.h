#pragma once
// A button without a window of its own: its parent paints it and passes it
// the mouse; it shows a glyph and an optional caption.
#include "toolkit/bitmap.h"
#include "toolkit/control.h"

class TSpeedButton : public TGraphicControl {
    VELMORA_CLASS()
public:
    using TGraphicControl::TGraphicControl;

    TBitmap* Glyph() { return &glyph_; }
    bool Flat() const { return flat_; }
    void SetFlat(bool v) {
        flat_ = v;
        Invalidate();
    }
    bool Down() const { return pressed_; }

    void Paint(HDC dc) override;
    void WndProc(TMessage& m) override;

private:
    TBitmap glyph_;
    bool flat_ = false;
    bool pressed_ = false;
};
