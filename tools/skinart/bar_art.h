// Scrollbars, progress bars, track bars, up-down buttons and the combo box
// pieces (edit frame, arrow button, arrow glyphs and size grip).
#pragma once

#include "palette.h"
#include "skin_output.h"

namespace skinart {

void AddScrollbars(const Palette& palette, SkinOutput& out);
void AddProgress(const Palette& palette, SkinOutput& out);
void AddTrackBars(const Palette& palette, SkinOutput& out);
void AddUpDowns(const Palette& palette, SkinOutput& out);
void AddComboParts(const Palette& palette, SkinOutput& out);

} // namespace skinart
