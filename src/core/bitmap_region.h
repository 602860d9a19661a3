#pragma once
// The shape of a skin image as rectangles: every maximal run of non-key
// pixels of a row becomes one rectangle one pixel high. The Windows layer
// turns the list into a window region in batches.

#include "core/pixel_bitmap.h"

#include <vector>

struct TRegionKey {
    TColour Key = kKeyColour;
    // A pixel is transparent when each channel lies between the key's value
    // and the key's value plus its tolerance (capped at 255).
    int RedTolerance = 0;
    int GreenTolerance = 0;
    int BlueTolerance = 0;
};

// Rectangles shifted by (xOffset, yOffset), rows top to bottom, runs left to
// right.
std::vector<TPixelRect> OpaqueRuns(const TPixelBitmap& bitmap, int xOffset, int yOffset,
                                   const TRegionKey& key);
