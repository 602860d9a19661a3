#include "engine/menus/owner_draw_marks.h"

#include <algorithm>

namespace {
bool SetType(HMENU menu, UINT position, UINT type) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    info.fType = type;
    return SetMenuItemInfoW(menu, position, TRUE, &info) != FALSE;
}
} // namespace

void TOwnerDrawMarks::Mark(HMENU menu) {
    if (!menu || Holds(menu)) return;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT position = static_cast<UINT>(i);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, position, TRUE, &info)) continue;
        if (info.hSubMenu) Mark(info.hSubMenu);
        if (info.fType & MFT_OWNERDRAW) continue;
        if (SetType(menu, position, info.fType | MFT_OWNERDRAW))
            marked_.push_back({menu, position, info.fType, info.wID});
    }
}

void TOwnerDrawMarks::Restore() {
    for (auto it = marked_.rbegin(); it != marked_.rend(); ++it)
        if (IsMenu(it->Menu)) SetType(it->Menu, it->Position, it->Type);
    marked_.clear();
}

HMENU TOwnerDrawMarks::MenuOf(UINT id) const {
    const auto it = std::find_if(marked_.rbegin(), marked_.rend(),
                                 [id](const TMarked& m) { return m.Id == id; });
    return it == marked_.rend() ? nullptr : it->Menu;
}

bool TOwnerDrawMarks::Holds(HMENU menu) const {
    return std::any_of(marked_.begin(), marked_.end(),
                       [menu](const TMarked& m) { return m.Menu == menu; });
}

bool TOwnerDrawMarks::Marked(HMENU menu, UINT id) const {
    return std::any_of(marked_.begin(), marked_.end(),
                       [menu, id](const TMarked& m) { return m.Menu == menu && m.Id == id; });
}
