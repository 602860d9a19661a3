#pragma once
// A button without a window of its own: its parent paints it and passes it
// the mouse; it shows a glyph and an optional caption, and can stay latched
// down.
#include "toolkit/bitmap.h"
#include "toolkit/control.h"

class TSpeedButton : public TGraphicControl {
    VELMORA_CLASS()
public:
    using TGraphicControl::TGraphicControl;

    TBitmap* Glyph() { return &glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    int Layout() const { return layout_; }
    void SetLayout(int v);
    int Margin() const { return margin_; }
    void SetMargin(int v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);

    void Paint(HDC dc) override;
    void WndProc(TMessage& m) override;

private:
    void SetAndRedraw(int& field, int v);

    TBitmap glyph_;
    int numGlyphs_ = 1;
    bool flat_ = false;
    bool down_ = false;
    bool pressed_ = false;
    int layout_ = 0; // blGlyphLeft
    int margin_ = -1;
    int spacing_ = 4;
};
