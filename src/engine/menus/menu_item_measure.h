#pragma once
// The size of one skinned menu item. Each kind of menu leaves room of its
// own around the caption: a toolkit popup (and the skinned system menu)
// and a menu-bar drop-down start from the toolkit's plain size, a raw menu
// from the caption alone.
#include <windows.h>

#include <string>

enum class TMenuKindOfItem { Popup, MainMenu, Raw };

struct TMenuMeasureInput {
    std::wstring Text; // caption, a tab and the shortcut; empty or "-": separator
    TMenuKindOfItem Kind = TMenuKindOfItem::Raw;
    // The skin's menu-item record's left margin, when the skin has one.
    bool HasRecord = false;
    int RecordLeft = 0;
    // The menu shows images (the system menu's glyphs): their width.
    int ImageWidth = 0;
};

// The height of a separator.
constexpr int kMenuSeparatorHeight = 8;

// Measured with the font selected into `dc`.
SIZE MeasureMenuItem(HDC dc, const TMenuMeasureInput& item);
