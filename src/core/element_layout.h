#pragma once
// How painting lays out each element's picture: the window's top and bottom
// borders, the caption-text background and the menu bar keep their frames
// stacked (one above the other), every other element side by side; the
// borders fill their middle as their Stretch key says, the rest as their
// Tile key says. The frame painter and the skin tool's previews both ask
// here, so a preview cannot show a strip cut another way than windows do.
#include "core/nine_slice.h"
#include "core/skin_model.h"

TStripAxis StripAxisOf(const TSkinModel& skin, const TDataSkinObject& element);
TCentreFill CentreFillOf(const TSkinModel& skin, const TDataSkinObject& element);
