#pragma once
// Whole-image transforms of skin bitmaps: grey-scaling, key-colour
// replacement, mirroring, flipping and quarter turns. Images are always held
// at 24 bits per pixel, so no format conversion is needed first.

#include "core/pixel_bitmap.h"

// Each pixel's channels become (R + G + B) / 3.
void GrayscaleBitmap(TPixelBitmap& bitmap);
// Pure magenta (255, 0, 255) pixels take `colour` (system colours resolved).
void ReplaceKeyColour(TPixelBitmap& bitmap, TColour colour);
// Left-right: pixel x moves to width - 1 - x.
void MirrorBitmap(TPixelBitmap& bitmap);
// Top-bottom: row y moves to height - 1 - y.
void FlipBitmap(TPixelBitmap& bitmap);
// Counter-clockwise: (x, y) moves to (y, W - 1 - x).
void RotateLeft(TPixelBitmap& bitmap);
// Clockwise: (x, y) moves to (H - 1 - y, x).
void RotateRight(TPixelBitmap& bitmap);
