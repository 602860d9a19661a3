// Menu bar strip, popup menu background and menu items.
#pragma once

#include "palette.h"
#include "skin_output.h"

namespace skinart {

void AddMenus(const Palette& palette, SkinOutput& out);

} // namespace skinart
