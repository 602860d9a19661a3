#pragma once
// Pictures the skin hands to another library's control through its bitmap
// properties. The application's own picture of each property is kept the
// first time the skin replaces it and put back when the skin goes, so
// skinning never costs the application an image.
#include "core/pixel_bitmap.h"
#include "engine/controls/skin_control.h"

#include <cstdint>
#include <string>
#include <vector>

class TPersistent;

class TKeptPictures {
public:
    // Puts `pixels` into the bitmap property `name` (a dotted name reaches
    // into a sub-object); false when the control has no such property.
    bool Replace(TPersistent* control, const std::wstring& name, const TPixelBitmap& pixels);
    // Every replaced property gets the application's picture back (empty
    // when it had none).
    void PutBack(TPersistent* control);

private:
    struct TKept {
        std::wstring Name;
        std::vector<std::uint8_t> Bytes; // empty: the property held no picture
    };
    std::vector<TKept> kept_;
};

// The base of the families that only hand pictures over: the control keeps
// painting itself from them. The pictures are handed over at attaching and
// again at every skin change, and the application's come back at restore.
class TSkinPictureHandOver : public TSkinControl {
    VELMORA_CLASS()
public:
    void SkinChanged() override;

protected:
    void OnAttach() override;
    void OnRestore() override;
    // Gives the control the current skin's pictures (through Replace).
    virtual void HandOver() = 0;
    bool Replace(const std::wstring& name, const TPixelBitmap& pixels);

private:
    TKeptPictures kept_;
};
