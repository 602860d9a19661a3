// The skinned window's menu bar: made when the frame is skinned and the
// window has a menu, painted in the frame's strip below the caption, opened
// from the mouse and the keyboard, and taken down again at unskinning.
#include "core/skin_model.h"
#include "engine/menus/menu_paint_tools.h"
#include "engine/menus/win_skin_menu.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"

void TWinSkinForm::CreateMenuBar() {
    menuBar_ = std::make_unique<TWinSkinMenu>(this);
    menuBar_->BuildButtons(MenuHandle);
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
    const std::shared_ptr<const bool> alive = AliveFlag();
    MenuTracking = true;
    if (TSkinManage* manager = SkinManager()) manager->NextMenuKind = mkMenuBar;
    const auto buttonAt = [this](POINT screen) {
        const POINT p = ScreenToWindow(screen.x, screen.y);
        TMenuBtn* button = menuBar_ ? menuBar_->MenuButtonAt(p) : nullptr;
        return button ? button->Index : -1;
    };
    // Moving along the bar ends one drop-down and names the next.
    while (index >= 0 && *alive && menuBar_)
        index = menuBar_->TrackDropDown(index, buttonAt);
    if (*alive) MenuTracking = false;
}
