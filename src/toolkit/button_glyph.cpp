#include "toolkit/button_glyph.h"

const TEnumInfo kButtonLayouts{{L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"}};

void TButtonGlyph::SetNumGlyphs(int v) {
    numGlyphs_ = v < 1 ? 1 : v;
    GlyphChanged();
}

void TButtonGlyph::SetLayout(int v) {
    layout_ = v;
    GlyphChanged();
}

void TButtonGlyph::SetMargin(int v) {
    margin_ = v;
    GlyphChanged();
}

void TButtonGlyph::SetSpacing(int v) {
    spacing_ = v;
    GlyphChanged();
}
