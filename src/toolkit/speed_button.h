#pragma once
// A button without a window of its own: its parent paints it and passes it
// the mouse; it shows a glyph and an optional caption, and can stay latched
// down.
#include "toolkit/button_glyph.h"
#include "toolkit/control.h"

class TSpeedButton : public TGraphicControl, public TButtonGlyph {
    VELMORA_CLASS()
public:
    using TGraphicControl::TGraphicControl;

    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    // Latched down (a published setting).
    bool Down() const { return down_; }
    void SetDown(bool v);
    // Held down by the mouse now.
    bool Pressed() const { return pressed_; }

    void Paint(HDC dc) override;
    void WndProc(TMessage& m) override;

protected:
    void GlyphChanged() override { Invalidate(); }

private:
    bool flat_ = false;
    bool down_ = false;
    bool pressed_ = false;
};
