#include "engine/menus/shown_menus.h"

#include <algorithm>

namespace {
std::vector<TShownMenu*>& Shown() {
    static std::vector<TShownMenu*> shown;
    return shown;
}
} // namespace

int TShownMenu::ImageOf(HMENU menu, UINT position) const {
    const auto it = std::find_if(ItemImages.begin(), ItemImages.end(), [&](const TImage& i) {
        return i.Menu == menu && i.Position == position;
    });
    return it == ItemImages.end() ? -1 : it->Index;
}

TShownMenuScope::TShownMenuScope(HMENU menu, TMenuKindOfItem kind, HIMAGELIST images,
                                 std::vector<TShownMenu::TImage> itemImages)
    : shown_(std::make_unique<TShownMenu>()) {
    shown_->Kind = kind;
    shown_->Images = images;
    shown_->ItemImages = std::move(itemImages);
    // Right-to-left menus are marked on their items.
    if (GetMenuItemCount(menu) > 0) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE;
        if (GetMenuItemInfoW(menu, 0, TRUE, &item))
            shown_->RightToLeft = (item.fType & MFT_RIGHTORDER) != 0;
    }
    shown_->Marks.Mark(menu);
    Shown().push_back(shown_.get());
}

TShownMenuScope::~TShownMenuScope() {
    auto& shown = Shown();
    shown.erase(std::remove(shown.begin(), shown.end(), shown_.get()), shown.end());
}

const TShownMenu* ShownMenuHolding(HMENU menu) {
    for (auto it = Shown().rbegin(); it != Shown().rend(); ++it)
        if ((*it)->Marks.Holds(menu)) return *it;
    return nullptr;
}

const TShownMenu* ShownMenuWithCommand(UINT id, HMENU& holder) {
    for (auto it = Shown().rbegin(); it != Shown().rend(); ++it)
        if (HMENU menu = (*it)->Marks.MenuOf(id)) {
            holder = menu;
            return *it;
        }
    return nullptr;
}
