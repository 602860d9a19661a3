#pragma once
// The picture of a skinned scroll bar: the face colour under everything,
// the track between the arrows, both arrows and the thumb with its grip,
// each piece drawn as thick as the skin's arrow strip. Composed off-screen
// as a whole, so the native bar under an overlay never shows through.
#include "core/pixel_bitmap.h"
#include "engine/controls/scrollbar_rules.h"
#include "toolkit/bitmap.h"

#include <windows.h>

struct TSkinModel;

// Everything a bar's picture depends on.
struct TScrollBarLook {
    bool Vertical = true;
    int Width = 0; // the picture's size: the whole bar
    int Height = 0;
    int ArrowSize = 0;
    TThumbSpan Thumb;
    bool Enabled = true;
    int HotPart = spNone; // a TScrollPart, or the last scroll request seen
    bool Pressed = false;
    TColour Face = 0;

    int Length() const { return Vertical ? Height : Width; }
    bool operator==(const TScrollBarLook& o) const;
    bool operator!=(const TScrollBarLook& o) const { return !(*this == o); }
};

// True when the skin has an arrow strip to draw bars with.
bool HasScrollBarSkin(const TSkinModel& skin);
// The bar's picture; empty when the skin has no arrow strip or the look no
// size.
TPixelBitmap ComposeScrollBar(const TScrollBarLook& look, const TSkinModel& skin);
// Puts `pixels` on `dc` at (x, y) in one blit through `buffer`, which is
// kept by the caller and grown only when a larger bar comes.
void BlitScrollBar(HDC dc, int x, int y, const TPixelBitmap& pixels, TBitmap& buffer);
