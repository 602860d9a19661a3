#pragma once
// Bitmap buttons: a push button with a glyph beside its caption. The glyph
// bitmap holds NumGlyphs pieces side by side (normal, disabled, pressed,
// down); a disabled button shows its piece greyed. The "picture" variant
// draws a whole picture property instead, unscaled and never greyed.
#include "engine/controls/glyph_picture.h"
#include "engine/controls/push_button.h"

// Where the glyph and caption of a bitmap button go, and what they are.
struct TBitButtonLook {
    TPushButtonLook Face;
    const TBitmap* Glyph = nullptr;     // null: caption only
    TGlyphPicture* KeptGlyph = nullptr; // the glyph's kept picture; none: made anew
    RECT GlyphSource{};                 // the piece of Glyph shown
    POINT GlyphAt{};
    bool GreyGlyph = false;
    RECT TextBox{};
    UINT TextFlags = DT_WORDBREAK;
};

// The frame, the glyph and the caption with its focus cue.
void PaintBitButton(HDC dc, const RECT& rect, const TBitButtonLook& look);

// The glyph settings a bitmap or speed button publishes.
struct TGlyphSettings {
    const TBitmap* Glyph = nullptr;
    int NumGlyphs = 1;
    TGlyphLayout Layout = TGlyphLayout::Left;
    int Margin = -1;
    int Spacing = 4;
    bool AlignCentre = false;
};

class TSkinBitButton : public TSkinButton {
    VELMORA_CLASS()
public:
    // The property holding a picture drawn instead of the glyph strip
    // ("PngImage"); empty for the glyph strip.
    void SetGlyphProperty(const std::wstring& name) { glyphProperty_ = name; }

protected:
    void DrawSkin(HDC dc, const RECT& rect) override;

    TGlyphSettings ReadGlyphSettings() const;
    // Works out the look in `dc` (where the caption is measured).
    TBitButtonLook LookIn(HDC dc, const RECT& rect, const TGlyphSettings& glyph,
                          const TPushButtonLook& face, int piece, int centreNudge) const;

    std::wstring glyphProperty_;

private:
    mutable TGlyphPicture keptGlyph_;
};
