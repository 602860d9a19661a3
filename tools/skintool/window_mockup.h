// A small skinned window composed from a skin's own pieces the way the frame
// painter composes them: the side and bottom borders, the title bar between
// the sides, the caption buttons a plain sizeable window shows, the menu bar
// below the title and the face colour inside.
#pragma once

#include "core/pixel_bitmap.h"
#include "core/skin_model.h"

constexpr int kMockupWidth = 360;
constexpr int kMockupHeight = 200;

// The window as an active window shows it; key-colour pixels stay key
// coloured (the frame's region cuts them away on screen).
TPixelBitmap ComposeWindowMockup(const TSkinModel& skin);

// What the frame painter gives the border records: its frame sizes.
struct TMockupFrame {
    int Left = 0, Top = 0, Right = 0, Bottom = 0, Menu = 0;
};
TMockupFrame MockupFrameOf(const TSkinModel& skin);
