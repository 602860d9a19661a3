// The skinned window's part in owner-drawn menu items: the system asks the
// window that owns the menu loop to measure and draw each item of a menu
// the engine marked, and the window answers from its skin.
#include "core/skin_model.h"
#include "engine/menus/menu_item_draw.h"
#include "engine/menus/menu_item_text.h"
#include "engine/menus/menu_paint_tools.h"
#include "engine/menus/shown_menus.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "engine/skin_popup_menu.h"
#include "engine/win_skin_form.h"

namespace {

int ImageWidth(HIMAGELIST images) {
    int cx = 0, cy = 0;
    return images && ImageList_GetIconSize(images, &cx, &cy) ? cx : 0;
}

// The position of the item with command `id`; separators share id 0, and
// any of them draws the same.
int PositionOf(HMENU menu, UINT id) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (GetMenuItemID(menu, i) == id ||
            (GetSubMenu(menu, i) && reinterpret_cast<UINT_PTR>(GetSubMenu(menu, i)) == id))
            return i;
    return -1;
}

} // namespace

const TMenuPaintTools& TWinSkinForm::MenuTools() {
    if (!menuTools_) menuTools_ = std::make_unique<TMenuPaintTools>();
    return *menuTools_;
}

void TWinSkinForm::ShowRawMenu(HMENU menu) {
    // Menus the engine shows itself are marked already, submenus with them.
    if (!menu || ShownMenuHolding(menu) || !skinData_ || !Skin()) return;
    const bool system = menu == SystemMenuHandle;
    if (!InSet(skinData_->SkinControls(), system ? xcSystemMenu : xcPopupMenu)) return;
    rawMenus_.push_back(std::make_unique<TShownMenuScope>(menu, TMenuKindOfItem::Raw));
}

bool TWinSkinForm::HandleMeasureItem(TMessage& m) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    const TSkinModel* skin = Skin();
    if (!measure || measure->CtlType != ODT_MENU || !skin) return false;
    HMENU holder = nullptr;
    const TShownMenu* shown = ShownMenuWithCommand(measure->itemID, holder);
    TMenuItemFacts facts;
    if (!shown || !ReadMenuItem(holder, measure->itemID, false, facts)) return false;
    TMenuMeasureInput input;
    input.Text = facts.Separator() ? std::wstring() : facts.Text;
    input.Kind = shown->Kind;
    input.HasRecord = skin->MenuItem != nullptr;
    input.RecordLeft = skin->MenuItem ? skin->MenuItem->LeftWidth : 0;
    input.ImageWidth = ImageWidth(shown->Images);
    TWindowDC dc(handle_);
    TSelectObject font(dc.Get(), facts.Default() ? MenuTools().Bold() : MenuTools().Font());
    const SIZE size = MeasureMenuItem(dc.Get(), input);
    measure->itemWidth = static_cast<UINT>(size.cx);
    measure->itemHeight = static_cast<UINT>(size.cy);
    m.Result = TRUE;
    return true;
}

TMenuItemLook TWinSkinForm::MenuItemLook(HMENU menu) {
    const TSkinModel& skin = *Skin();
    const TMenuPaintTools& tools = MenuTools();
    TMenuItemLook look;
    look.Record = skin.MenuItem.get();
    look.Menu = skin.Colour(sciMenu);
    look.Hilight = skin.Colour(sciHilight);
    look.MenuText = skin.Colour(sciMenuText);
    look.HilightText = skin.Colour(sciHilightText);
    look.ButtonShadow = skin.Colour(sciButtonShadow);
    look.Font = tools.Font();
    look.Bold = tools.Bold();
    look.Check = tools.Check();
    look.CheckSize = tools.CheckSize();
    look.Dither = tools.Dither();
    look.Frames = &elementFrames_;
    look.Buffer = tools.ItemBuffer();
    if (TSkinManage* manager = SkinManager())
        if (TWinSkinPopMenu* popup = manager->PopupShowing(menu)) {
            look.Background = popup->Background();
            look.BackgroundOffset = popup->ClientOffset();
        }
    return look;
}

bool TWinSkinForm::HandleDrawItem(TMessage& m) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (!draw || draw->CtlType != ODT_MENU || !Skin()) return false;
    const auto menu = reinterpret_cast<HMENU>(draw->hwndItem);
    const TShownMenu* shown = ShownMenuHolding(menu);
    // Items that draw themselves stay their owner's.
    if (!shown || !shown->Marks.Marked(menu, draw->itemID)) return false;
    const int position = PositionOf(menu, draw->itemID);
    TMenuItemFacts facts;
    if (position < 0 || !ReadMenuItem(menu, static_cast<UINT>(position), true, facts)) return false;
    TMenuItemPicture item;
    item.Text = facts.Separator() ? std::wstring(L"-") : facts.Text;
    item.Selected = (draw->itemState & ODS_SELECTED) != 0;
    item.Disabled = facts.Disabled() || (draw->itemState & ODS_GRAYED) != 0;
    item.Checked = facts.Checked();
    item.Default = facts.Default();
    item.RightToLeft = shown->RightToLeft;
    item.Image = shown->ImageOf(menu, static_cast<UINT>(position));
    item.Raw = shown->Kind == TMenuKindOfItem::Raw;
    TMenuItemLook look = MenuItemLook(menu);
    look.Images = shown->Images;
    PaintMenuItem(draw->hDC, draw->rcItem, item, look);
    m.Result = TRUE;
    return true;
}
