#include "engine/menus/popup_background.h"

#include "core/skin_elements.h"
#include "engine/skin_draw.h"
#include "toolkit/bitmap.h"

std::unique_ptr<TBitmap> ComposeMenuBackground(const TDataSkinObject& element, int width,
                                               int height) {
    if (width <= 0 || height <= 0 || element.Bitmap.Width() <= 0) return nullptr;
    return BuildSkinBitmap(RECT{0, 0, width, height}, element.Frame(1), element.Margins(),
                           TStripAxis::Horizontal, element.Fill());
}

namespace {

// A menu, its submenus and the system menu.
constexpr size_t kMostKept = 4;

} // namespace

std::shared_ptr<const TBitmap>
TKeptMenuBackgrounds::Get(const std::shared_ptr<const TSkinModel>& skin,
                          const TDataSkinObject& element, int width, int height) {
    if (!skin) return ComposeMenuBackground(element, width, height);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->Skin.lock() != skin || it->Element != &element || it->Width != width ||
            it->Height != height)
            continue;
        TEntry found = std::move(*it);
        entries_.erase(it);
        entries_.push_back(std::move(found));
        return entries_.back().Picture;
    }
    std::shared_ptr<const TBitmap> picture = ComposeMenuBackground(element, width, height);
    if (!picture) return nullptr;
    if (entries_.size() >= kMostKept) entries_.erase(entries_.begin());
    entries_.push_back({skin, &element, width, height, picture});
    return picture;
}

HRGN ItemsRegion(const std::vector<RECT>& items, POINT offset) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (const RECT& item : items) {
        HRGN one = CreateRectRgn(item.left + offset.x, item.top + offset.y, item.right + offset.x,
                                 item.bottom + offset.y);
        CombineRgn(region, region, one, RGN_OR);
        DeleteObject(one);
    }
    return region;
}
