#pragma once
// Colour arithmetic used to derive skin colours.

#include "core/colour.h"

// `weight` parts of colour1 and the rest of colour2: a percentage below 100,
// tenths of a per cent from 100 on (150 means 15 %). System colours are
// resolved first; the result is a direct colour.
TColour MixColors(TColour colour1, TColour colour2, int weight);

// Saturation scaled to 0..255 (rounded half to even) when some channel is
// above 159; 200 for darker colours.
int ColourStrength(TColour colour);
