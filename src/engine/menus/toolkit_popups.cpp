#include "engine/menus/toolkit_popups.h"

#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"
#include "toolkit/application.h"
#include "toolkit/menus.h"

namespace {

// The window the toolkit gives the menu loop to: the active one, else the
// application's.
HWND LoopOwner() {
    HWND active = GetActiveWindow();
    return active ? active : Application().Handle();
}

// The built menu holds the visible items in order at every level.
void CollectImages(const TMenuItem& parent, HMENU menu, std::vector<TShownMenu::TImage>& out) {
    UINT position = 0;
    for (int i = 0; i < parent.Count(); ++i) {
        const TMenuItem* item = parent.Items(i);
        if (!item->Visible()) continue;
        if (item->ImageIndex() >= 0) out.push_back({menu, position, item->ImageIndex()});
        if (item->Count() > 0)
            CollectImages(*item, GetSubMenu(menu, static_cast<int>(position)), out);
        ++position;
    }
}

} // namespace

std::shared_ptr<void> SkinShownPopup(TPopupMenu& popup, HMENU built) {
    TSkinManage* manager = SkinManager();
    if (!manager || !manager->SkinningOn) return nullptr;
    TWinSkinForm* owner = manager->FindSkinForm(LoopOwner());
    TSkinData* skinData = owner && owner->Attached() ? owner->SkinData() : nullptr;
    if (!skinData || skinData->SkinNotLoaded()) return nullptr;
    const bool system = popup.Tag() == kSystemMenuTag;
    if (!system && popup.Tag() == skinData->DisableTag()) return nullptr;
    if (!InSet(skinData->SkinControls(), system ? xcSystemMenu : xcPopupMenu)) return nullptr;
    manager->NextMenuKind = system ? mkSystemMenu : mkPopup;
    std::vector<TShownMenu::TImage> images;
    CollectImages(*popup.Items(), built, images);
    return std::make_shared<TShownMenuScope>(built, TMenuKindOfItem::Popup,
                                             system ? skinData->MenuGlyphs() : popup.Images(),
                                             std::move(images));
}

void InstallPopupMenuSkin() {
    TPopupMenu::SetShowHook(&SkinShownPopup);
}
