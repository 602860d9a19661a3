#pragma once
// The built-in track-bar channel images, used when a skin has none.

#include "core/pixel_bitmap.h"

// 16 x 4: a sunken horizontal channel.
TPixelBitmap BuiltinTrackImage();
// 4 x 16: the same channel standing upright.
TPixelBitmap BuiltinTrackVertImage();
