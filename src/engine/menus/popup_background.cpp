#include "engine/menus/popup_background.h"

#include "core/skin_elements.h"
#include "engine/skin_draw.h"

std::unique_ptr<TBitmap> ComposeMenuBackground(const TDataSkinObject& element, int width,
                                               int height) {
    if (width <= 0 || height <= 0 || element.Bitmap.Width() <= 0) return nullptr;
    return BuildSkinBitmap(RECT{0, 0, width, height}, element.Frame(1), element.Margins(),
                           TStripAxis::Horizontal, element.Fill());
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
