#include "engine/menus/menu_item_measure.h"

#include "engine/menus/menu_item_text.h"

#include <algorithm>

namespace {

// Room the glyph box takes in front of the caption in every layout.
constexpr int kGlyphBox = 16;

bool IsSeparatorText(const std::wstring& text) {
    return text.empty() || text == L"-";
}

SIZE TextSize(HDC dc, const std::wstring& text) {
    if (text.empty()) return SIZE{0, 0};
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_EXPANDTABS);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Caption and shortcut with a gap between them, as the item draws them.
SIZE CaptionSize(HDC dc, const std::wstring& text) {
    const TCaptionParts parts = SplitCaption(text);
    SIZE size = TextSize(dc, parts.Caption);
    if (!parts.Shortcut.empty()) {
        const SIZE shortcut = TextSize(dc, parts.Shortcut);
        size.cx += shortcut.cx + 2 * kGlyphBox;
        size.cy = std::max(size.cy, shortcut.cy);
    }
    if (size.cy == 0) size.cy = TextSize(dc, L" ").cy;
    return size;
}

// The toolkit's own size of an item: the caption, the image beside it when
// the menu has images, and the line height of a menu.
SIZE ToolkitSize(const SIZE& text, const TMenuMeasureInput& item) {
    SIZE size{text.cx, std::max<LONG>(text.cy + 4, kGlyphBox + 2)};
    if (item.ImageWidth > 0) size.cx += item.ImageWidth + 3;
    return size;
}

} // namespace

SIZE MeasureMenuItem(HDC dc, const TMenuMeasureInput& item) {
    const int left = item.HasRecord ? item.RecordLeft : 0;
    if (IsSeparatorText(item.Text)) return SIZE{left, kMenuSeparatorHeight};
    const SIZE text = CaptionSize(dc, item.Text);
    switch (item.Kind) {
    case TMenuKindOfItem::Popup: {
        SIZE size = ToolkitSize(text, item);
        size.cx += left + 12 + (item.ImageWidth > 0 ? 0 : 23);
        return size;
    }
    case TMenuKindOfItem::MainMenu: {
        SIZE size = ToolkitSize(text, item);
        size.cx += left + 10 + (item.ImageWidth > 0 ? 0 : 25);
        return size;
    }
    case TMenuKindOfItem::Raw:
    default:
        return SIZE{text.cx + 26 + left, text.cy + 4};
    }
}
