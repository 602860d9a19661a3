#pragma once
// The picture behind a popup menu's items: the skin's menu-background
// element nine-sliced to the whole window, frame included. The popup window
// paints its frame and the gaps between items from it, and each item copies
// its own background from the same picture.
#include <windows.h>

#include <memory>
#include <vector>

class TBitmap;
class TDataSkinObject;

// Null for an empty size or an element without an image.
std::unique_ptr<TBitmap> ComposeMenuBackground(const TDataSkinObject& element, int width,
                                               int height);

// The region covering `items` (client rectangles); the system draws the
// items inside it, the background shows everywhere else.
HRGN ItemsRegion(const std::vector<RECT>& items, POINT offset);
