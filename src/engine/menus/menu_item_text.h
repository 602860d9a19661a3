#pragma once
// What one item of a menu holds, read from the menu handle. Text is read
// with the wide calls and its length asked first, so that any caption
// (Chinese ones included) comes back whole.
#include <windows.h>

#include <string>

struct TMenuItemFacts {
    UINT Id = 0;
    UINT Type = 0;  // MFT_* as the menu holds it
    UINT State = 0; // MFS_*
    HMENU SubMenu = nullptr;
    std::wstring Text; // caption, then a tab and the shortcut when it has one
    bool Separator() const { return (Type & MFT_SEPARATOR) != 0 || Text.empty(); }
    bool Disabled() const { return (State & (MFS_GRAYED | MFS_DISABLED)) != 0; }
    bool Checked() const { return (State & MFS_CHECKED) != 0; }
    bool Default() const { return (State & MFS_DEFAULT) != 0; }
};

// The item's text; empty for a separator, a bitmap item or an owner-drawn
// item that was given none.
std::wstring MenuItemText(HMENU menu, UINT item, bool byPosition);
// Everything above; false when the menu has no such item.
bool ReadMenuItem(HMENU menu, UINT item, bool byPosition, TMenuItemFacts& facts);

// A caption split at its tab: what is left of it and the shortcut text.
struct TCaptionParts {
    std::wstring Caption;
    std::wstring Shortcut;
};
TCaptionParts SplitCaption(const std::wstring& text);
