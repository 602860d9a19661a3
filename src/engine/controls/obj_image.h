#pragma once
// Check boxes and radio buttons of other libraries that draw themselves
// from a strip of glyphs: the skin hands them its own check or radio
// images, laid out in the slots each library expects, and takes them back
// (with the application's own glyphs restored) when it goes. The control
// keeps painting itself; the skin never hooks its messages for drawing.
#include "core/pixel_bitmap.h"
#include "engine/controls/picture_hand_over.h"

#include <vector>

// Which glyph strip a control takes.
enum class TGlyphHandOver {
    CheckItem,       // CustomGlyphs: 9 slots from the skin's check strip
    RadioItem,       // CustomGlyphs: 6 slots from the skin's radio strip
    PropertiesGlyph, // Properties.Glyph: 6 slots from the skin's check strip
};

// The source frame (1-based) each slot of the glyph strip shows, left to
// right; 0 leaves the slot empty (frame 5 needs a strip of exactly five).
std::vector<int> GlyphSlots(TGlyphHandOver kind, int sourceFrames);
// The glyph strip built from `source` (`sourceFrames` frames side by side);
// empty slots hold the key colour. Empty for an empty source.
TPixelBitmap BuildGlyphStrip(TGlyphHandOver kind, const TPixelBitmap& source, int sourceFrames);

class TSkinObjImage : public TSkinPictureHandOver {
    VELMORA_CLASS()
public:
    explicit TSkinObjImage(TGlyphHandOver kind) : kind_(kind) {}
    TGlyphHandOver Kind() const { return kind_; }

protected:
    void HandOver() override;
    void OnRestore() override;

private:
    void Write(const std::wstring& name, const std::wstring& value);

    TGlyphHandOver kind_;
    bool handedOver_ = false;
};
