// Everything one stored skin consists of, painted from a palette.
#pragma once

#include "palette.h"
#include "skin_output.h"

namespace skinart {

SkinOutput PaintSkin(const Palette& palette);

// Writes skin.ini and the pictures into the folder, removing pictures and INI
// files left there by earlier runs. Returns the number of bytes written, or -1.
long WriteSkin(const SkinOutput& skin, const std::string& folder);

} // namespace skinart
