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

// Gives every pixel the region would leave out the colour of the nearest kept
// pixel of its row; a row that keeps none copies the closest row above that
// keeps some (or the first such row, for rows above it). The image as it
// looks with its cut-out corners filled in. An image that keeps no pixel
// stays as it is.
void FillTransparentPixels(TPixelBitmap& bitmap, const TRegionKey& key);
