#pragma once
// Pictures the skin hands to another library's control through its bitmap
// properties. The application's own picture of each property is kept the
// first time the skin replaces it and put back when the skin goes, so
// skinning never costs the application an image.
#include "core/pixel_bitmap.h"

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
