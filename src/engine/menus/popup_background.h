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
class TSkinModel;

// Null for an empty size or an element without an image.
std::unique_ptr<TBitmap> ComposeMenuBackground(const TDataSkinObject& element, int width,
                                               int height);

// Composed backgrounds kept for the next popups: a menu opened again (every
// right click) has the same size, and composing costs more than the rest of
// showing it. Pictures of a skin no longer loaded are never handed out.
class TKeptMenuBackgrounds {
public:
    std::shared_ptr<const TBitmap> Get(const std::shared_ptr<const TSkinModel>& skin,
                                       const TDataSkinObject& element, int width, int height);

private:
    struct TEntry {
        std::weak_ptr<const TSkinModel> Skin;
        const TDataSkinObject* Element = nullptr;
        int Width = 0, Height = 0;
        std::shared_ptr<const TBitmap> Picture;
    };
    std::vector<TEntry> entries_; // the most recently used last
};

// The region covering `items` (client rectangles); the system draws the
// items inside it, the background shows everywhere else.
HRGN ItemsRegion(const std::vector<RECT>& items, POINT offset);
