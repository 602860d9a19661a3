#pragma once
// A small built-in 5 x 7 bitmap font for labelling sheets: no font files,
// the same pixels on every machine. Letters show in capitals (INI section
// names are case-blind); a character without a glyph shows as a box.
#include "core/pixel_bitmap.h"

#include <string_view>

constexpr int kLabelCharWidth = 6; // 5 columns and a gap
constexpr int kLabelHeight = 7;

// Draws `text` with its top left at (x, y), clipped to the sheet.
void DrawLabel(TPixelBitmap& sheet, int x, int y, std::string_view text, TColour colour);
