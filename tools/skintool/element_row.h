// One row of the element sheet: the record's frames cut as painting cuts
// them (stacked strips top to bottom), each outlined and numbered, then the
// first frame composed at a sample size the way painting fills it; an empty
// record shows a "missing" box instead.
#pragma once

#include "core/pixel_bitmap.h"
#include "core/skin_model.h"

#include <string>
#include <vector>

struct TElementRow {
    std::string Heading; // section, key, picture size, frames, layout, fill
    struct TPlaced {
        TPixelRect At;
        int Number = 0; // frame number; 0 for the sample
    };
    std::vector<TPlaced> Frames; // relative to the row's top left
    TPixelRect Sample;
    TPixelBitmap SamplePixels;
    bool Missing = false;
    std::string MissingText;
    int Width = 0, Height = 0;
};

TElementRow LayOutRow(const TSkinModel& skin, const TDataSkinObject& element);
void DrawRow(TPixelBitmap& sheet, int x, int y, const TSkinModel& skin,
             const TDataSkinObject& element, const TElementRow& row);
