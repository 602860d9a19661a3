#pragma once
// What a button with a glyph publishes about it, shared by bitmap and speed
// buttons: the glyph strip, how many pieces it holds side by side (normal,
// disabled, pressed, down) and where it goes beside the caption.
#include "toolkit/bitmap.h"
#include "toolkit/persistent.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TButtonGlyph {
public:
    virtual ~TButtonGlyph() = default;

    TBitmap* Glyph() { return &glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    int Layout() const { return layout_; }
    void SetLayout(int v);
    // -1 centres glyph and caption together.
    int Margin() const { return margin_; }
    void SetMargin(int v);
    // -1 shares the room evenly.
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);

    // Publishes Glyph, NumGlyphs, Layout, Margin and Spacing of class T.
    template <class T> static void Publish(TClassInfo& c);

protected:
    // A setting changed: the button shows it.
    virtual void GlyphChanged() = 0;

    TBitmap glyph_;
    int numGlyphs_ = 1;
    int layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

extern const TEnumInfo kButtonLayouts;

template <class T> void TButtonGlyph::Publish(TClassInfo& c) {
    c.Obj<T, TBitmap>(L"Glyph", &T::Glyph);
    c.Int<T>(L"NumGlyphs", &T::NumGlyphs, &T::SetNumGlyphs);
    c.Enum<T>(L"Layout", kButtonLayouts, &T::Layout, &T::SetLayout);
    c.Int<T>(L"Margin", &T::Margin, &T::SetMargin);
    c.Int<T>(L"Spacing", &T::Spacing, &T::SetSpacing);
}
