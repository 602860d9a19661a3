#include "engine/controls/obj_image.h"

#include "core/nine_slice.h"
#include "core/skin_model.h"
#include "engine/controls/control_props.h"
#include "toolkit/win_control.h"

#include <string>

namespace {

// The colour the libraries are told to leave undrawn (0xFF00FF, magenta).
const std::wstring kTransparentText = std::to_wstring(0xFF00FF);

} // namespace

std::vector<int> GlyphSlots(TGlyphHandOver kind, int sourceFrames) {
    const int fifth = sourceFrames == 5 ? 5 : 0;
    std::vector<int> slots;
    switch (kind) {
    case TGlyphHandOver::CheckItem:
        slots = {1, 2, fifth, 1, 2, fifth, 3, 4, fifth};
        break;
    case TGlyphHandOver::RadioItem:
        slots = {1, 2, 1, 2, 3, 4};
        break;
    case TGlyphHandOver::PropertiesGlyph:
        slots = {1, 2, fifth, 1, 2, fifth};
        break;
    }
    // A strip with fewer frames leaves the slots it cannot fill empty.
    for (int& frame : slots)
        if (frame > sourceFrames) frame = 0;
    return slots;
}

TPixelBitmap BuildGlyphStrip(TGlyphHandOver kind, const TPixelBitmap& source, int sourceFrames) {
    if (source.Empty() || sourceFrames < 1) return {};
    const int w = source.Width() / sourceFrames, h = source.Height();
    if (w <= 0) return {};
    const std::vector<int> slots = GlyphSlots(kind, sourceFrames);
    TPixelBitmap strip(w * static_cast<int>(slots.size()), h, kKeyColour);
    for (int i = 0; i < static_cast<int>(slots.size()); ++i) {
        if (slots[i] == 0) continue;
        const int from = (slots[i] - 1) * w;
        StretchCopy(strip, {i * w, 0, (i + 1) * w, h}, source, {from, 0, from + w, h});
    }
    return strip;
}

const TClassInfo& TSkinObjImage::StaticClass() {
    static const TClassInfo info(L"TSkinObjImage", &TSkinPictureHandOver::StaticClass());
    return info;
}

// Later hand-overs write without keeping: restoring puts back what the
// application had before the first.
void TSkinObjImage::Write(const std::wstring& name, const std::wstring& value) {
    if (handedOver_)
        SetPropByName(Control(), name, value);
    else
        SetControlProp(name, value);
}

void TSkinObjImage::HandOver() {
    const TDataSkinButton& buttons = Skin().Buttons;
    const bool radio = kind_ == TGlyphHandOver::RadioItem;
    const TPixelBitmap strip =
        BuildGlyphStrip(kind_, radio ? buttons.RadioBitmap : buttons.CheckBitmap,
                        radio ? buttons.RadioFrameCount : buttons.CheckFrameCount);
    if (strip.Empty()) return;
    if (kind_ == TGlyphHandOver::PropertiesGlyph) {
        handedOver_ = Replace(L"Properties.Glyph", strip);
        return;
    }
    if (!Replace(L"CustomGlyphs", strip)) return;
    Write(L"TransparentColor", kTransparentText);
    // Switched off and on, so that the control reads its glyphs again.
    Write(L"UseCustomGlyphs", L"False");
    Write(L"UseCustomGlyphs", L"True");
    handedOver_ = true;
}

void TSkinObjImage::OnRestore() {
    TSkinPictureHandOver::OnRestore();
    handedOver_ = false;
}
