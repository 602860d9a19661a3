// Push buttons with their check and radio marks, tool bar buttons, header
// bar, tabs, group boxes and status bar edges.
#pragma once

#include "palette.h"
#include "skin_output.h"

namespace skinart {

void AddButtons(const Palette& palette, SkinOutput& out);
void AddToolBars(const Palette& palette, SkinOutput& out);
void AddHeaderBar(const Palette& palette, SkinOutput& out);
void AddTabs(const Palette& palette, SkinOutput& out);
void AddGroupBox(const Palette& palette, SkinOutput& out);
void AddStatusBar(const Palette& palette, SkinOutput& out);

// Margins of a nine-sliced element, in the INI's key names.
void SetMargins(SkinOutput& out, const std::string& section, int left, int top, int right,
                int bottom);

} // namespace skinart
