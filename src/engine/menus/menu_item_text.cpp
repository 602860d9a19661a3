#include "engine/menus/menu_item_text.h"

std::wstring MenuItemText(HMENU menu, UINT item, bool byPosition) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    if (!GetMenuItemInfoW(menu, item, byPosition, &info) || info.cch == 0) return {};
    std::wstring text(info.cch + 1, L'\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (!GetMenuItemInfoW(menu, item, byPosition, &info)) return {};
    text.resize(info.cch);
    return text;
}

bool ReadMenuItem(HMENU menu, UINT item, bool byPosition, TMenuItemFacts& facts) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, item, byPosition, &info)) return false;
    facts.Id = info.wID;
    facts.Type = info.fType;
    facts.State = info.fState;
    facts.SubMenu = info.hSubMenu;
    // Bitmap items (the maximized MDI child's icon) hold no text.
    facts.Text = (info.fType & MFT_BITMAP) ? std::wstring() : MenuItemText(menu, item, byPosition);
    return true;
}

TCaptionParts SplitCaption(const std::wstring& text) {
    const size_t tab = text.find(L'\t');
    if (tab == std::wstring::npos) return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}
