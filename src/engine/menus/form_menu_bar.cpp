// The skinned window's menu bar: made when the frame is skinned and the
// window has a menu, painted in the frame's strip below the caption, opened
// from the mouse and the keyboard, and taken down again at unskinning.
#include "core/skin_model.h"
#include "engine/menus/menu_paint_tools.h"
#include "engine/menus/win_skin_menu.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"

void TWinSkinForm::CreateMenuBar() {
    RECT before{}, after{};
    GetClientRect(handle_, &before);
    menuBar_ = std::make_shared<TWinSkinMenu>(this);
    menuBar_->BuildButtons(MenuHandle);
    // The platform gave the client area the bar's room; the skinned frame
    // takes it back, so that the client keeps its size.
    GetClientRect(handle_, &after);
    removedBarHeight_ = after.bottom - before.bottom;
}

void TWinSkinForm::RestoreMenu() {
    if (!menuBar_) return;
    // The menu takes its height from the client area; the window grows by
    // as much, so that the client keeps its size.
    RECT before{}, after{}, window{};
    GetClientRect(handle_, &before);
    menuBar_->Restore();
    GetClientRect(handle_, &after);
    GetWindowRect(handle_, &window);
    const int grow = before.bottom - after.bottom;
    if (grow > 0 && traits_.FormKind != fkMDIChild && IsWindow(handle_))
        SetWindowPos(handle_, nullptr, 0, 0, window.right - window.left,
                     window.bottom - window.top + grow, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    menuBar_.reset();
}

HFONT TWinSkinForm::MenuBarFont() {
    return MenuTools().Font();
}

TMenuBarLook TWinSkinForm::MenuBarLook() const {
    const TSkinModel& skin = *Skin();
    TMenuBarLook look;
    look.Image = skin.MenuBarImage.get();
    look.Active = active_;
    look.Menubar = skin.Colour(sciMenubar);
    look.Text = skin.Colour(sciMenuBarText);
    look.Shadow = skin.Colour(sciButtonShadow);
    look.Hilight = skin.Colour(sciButtonHilight);
    look.Font = menuTools_ ? menuTools_->Font() : nullptr;
    return look;
}

void TWinSkinForm::PaintMenuBar(HDC dc, const RECT& strip) {
    MenuTools();
    menuBar_->PaintBar(dc, strip, MenuBarLook());
}

void TWinSkinForm::DrawMenuButton(const TMenuBtn& button) {
    if (menuBar_) menuBar_->PaintButton(button);
}

TNCObject* TWinSkinForm::FindAccelButton(wchar_t character) {
    return menuBar_ ? menuBar_->AcceleratorButton(character) : nullptr;
}

TNCObject* TWinSkinForm::FirstMenuButton() {
    return menuBar_ ? menuBar_->FirstButton() : nullptr;
}

bool TWinSkinForm::IsMenuButton(TNCObject* object) const {
    return menuBar_ && menuBar_->Holds(object);
}

void TWinSkinForm::OpenMenuButton(TNCObject* object) {
    if (!IsMenuButton(object)) return;
    if (hotObject_ == object) hotObject_ = nullptr;
    int index = static_cast<TMenuBtn*>(object)->Index;
    // The loop runs the program's other work: the window may be unskinned
    // (the bar let go of) or this object freed before it ends. The bar lives
    // on until the loop is over, and this object is touched only while alive.
    const std::shared_ptr<TWinSkinMenu> bar = menuBar_;
    const std::shared_ptr<const bool> alive = AliveFlag();
    MenuTracking = true;
    if (TSkinManage* manager = SkinManager()) manager->NextMenuKind = mkMenuBar;
    const auto buttonAt = [this, alive](POINT screen) {
        if (!*alive || !menuBar_) return -1;
        const TMenuBtn* button = menuBar_->MenuButtonAt(ScreenToWindow(screen.x, screen.y));
        return button ? button->Index : -1;
    };
    // Moving along the bar ends one drop-down and names the next.
    while (index >= 0) {
        TMenuBtn& button = *bar->Buttons()[index];
        button.SetState(ncPressed);
        index = bar->TrackDropDown(index, buttonAt);
        if (!*alive) return;
        if (menuBar_ != bar) break;
        button.SetState(ncNormal);
    }
    MenuTracking = false;
}
