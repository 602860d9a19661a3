// Where `render` puts things on its sheet, for those who read sheets back.
#pragma once

#include "label_font.h"

constexpr int kSheetGap = 6;
// The window mock-up's top left, below its heading.
constexpr int kSheetMockupX = kSheetGap;
constexpr int kSheetMockupY = kSheetGap + kLabelHeight + 4;
