#include "menu_records.h"

#include "engine/menus/menu_item_text.h"

namespace {
void Record(HMENU menu, std::vector<TItemRecord>& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        out.push_back({info.fType, info.fState, info.wID, info.dwItemData, info.hSubMenu,
                       MenuItemText(menu, static_cast<UINT>(i), true)});
        if (info.hSubMenu) Record(info.hSubMenu, out);
    }
}
} // namespace

std::vector<TItemRecord> MenuItems(HMENU menu) {
    std::vector<TItemRecord> out;
    Record(menu, out);
    return out;
}

bool OwnerDrawn(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    return GetMenuItemInfoW(menu, position, TRUE, &info) && (info.fType & MFT_OWNERDRAW) != 0;
}
