// The manager's bookkeeping of popup-menu windows.
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/skin_popup_menu.h"

#include <algorithm>

void TSkinManage::SkinMenuWindow(HWND w) {
    if (!SkinningOn || IsMenuWindow(w)) return;
    if (SendMessageW(w, SKINMSG_QUERY, 0, 0) == 1) return;
    TSkinData* sd = ChooseSkinData(w);
    if (!sd || sd->SkinNotLoaded()) return;
    const int controls = sd->SkinControls();
    const bool wanted = NextMenuKind == mkPopup ? InSet(controls, xcPopupMenu)
                        : NextMenuKind == mkMenuBar
                            ? InSet(controls, xcMainMenu) || InSet(controls, xcMenuItem)
                            : InSet(controls, xcSystemMenu);
    if (!wanted) return;
    auto popup = std::make_unique<TWinSkinPopMenu>();
    popup->Attach(w, sd, nullptr);
    popupMenus_.push_back(std::move(popup));
}

bool TSkinManage::ReleaseMenuWindow(HWND w) {
    auto it = std::find_if(popupMenus_.begin(), popupMenus_.end(),
                           [&](const auto& p) { return p->Handle == w; });
    const bool found = it != popupMenus_.end();
    if (found) {
        (*it)->Detach();
        popupMenus_.erase(it);
    }
    if (popupMenus_.empty()) NextMenuKind = mkPopup;
    return found;
}

bool TSkinManage::IsMenuWindow(HWND w) const {
    return std::any_of(popupMenus_.begin(), popupMenus_.end(),
                       [&](const auto& p) { return p->Handle == w; });
}

TWinSkinPopMenu* TSkinManage::PopupShowing(HMENU menu) const {
    for (const auto& popup : popupMenus_)
        if (menu && popup->Menu() == menu) return popup.get();
    return nullptr;
}
