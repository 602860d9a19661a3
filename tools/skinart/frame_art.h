// The window frame: four borders with rounded top corners, the caption
// buttons, the MDI child buttons of the menu bar, and the [Personality],
// [Colours], [Fonts] and [TitlebarSkin] sections that go with them.
#pragma once

#include "palette.h"
#include "skin_output.h"

namespace skinart {

// Caption height and border widths in pixels, as the loader derives them.
constexpr int kCaptionHeight = 30;
constexpr int kBorderWidth = 4;

void AddFrame(const Palette& palette, SkinOutput& out);
void AddCaptionButtons(const Palette& palette, SkinOutput& out);
void AddMdiControls(const Palette& palette, SkinOutput& out);
void AddColours(const Palette& palette, SkinOutput& out);

} // namespace skinart
