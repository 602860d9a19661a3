#include "engine/menus/win_skin_menu.h"

#include "engine/menus/menu_bar_tracking.h"
#include "core/skin_elements.h"
#include "engine/menus/menu_item_text.h"
#include "engine/menus/shown_menus.h"
#include "engine/win_skin_form.h"
#include "toolkit/gdi_objects.h"
#include "toolkit/screen.h"

#include <algorithm>
#include <tuple>

void TMenuBtn::Paint() {
    Form->DrawMenuButton(*this);
}

void TWinSkinMenu::BuildButtons(HMENU menu) {
    if (!menu) return;
    menuHandle_ = menu;
    for (const auto& b : buttons_)
        form_->ReleaseHotObject(b.get());
    buttons_.clear();
    ForgetPictures();
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        TMenuItemFacts facts;
        if (!ReadMenuItem(menu, static_cast<UINT>(i), true, facts)) continue;
        auto button = std::make_unique<TMenuBtn>(form_, static_cast<int>(buttons_.size()));
        button->Visible = true;
        button->Caption = facts.Text;
        button->Enabled = !facts.Disabled();
        button->Command = facts.Id;
        button->SubMenu = facts.SubMenu;
        buttons_.push_back(std::move(button));
    }
    SetMenu(form_->Handle(), nullptr);
}

void TWinSkinMenu::Restore() {
    if (menuHandle_ && IsWindow(form_->Handle())) SetMenu(form_->Handle(), menuHandle_);
}

std::vector<TBarButtonFacts> TWinSkinMenu::Facts() const {
    std::vector<TBarButtonFacts> facts;
    for (const auto& b : buttons_)
        facts.push_back({b->Caption, b->Visible});
    return facts;
}

void TWinSkinMenu::LayoutButtons(const RECT& bar) {
    if (bar.right <= bar.left || bar.bottom <= bar.top) return;
    TMemoryDC dc(CreateCompatibleDC(nullptr));
    TSelectObject font(dc.Get(), look_.Font ? look_.Font : form_->MenuBarFont());
    const std::vector<RECT> rects = LayoutBarButtons(
        dc.Get(), bar, Facts(), BarStartOffset(look_.Image, false, bar.right - bar.left), false);
    for (size_t i = 0; i < rects.size(); ++i)
        buttons_[i]->Rect = rects[i];
}

void TWinSkinMenu::ForgetPictures() {
    pictureValid_ = false;
}

bool TWinSkinMenu::TPictureKey::SameBackground(const TPictureKey& o) const {
    return std::tie(Width, Height, Pixels, Active, Menubar) ==
           std::tie(o.Width, o.Height, o.Pixels, o.Active, o.Menubar);
}

bool TWinSkinMenu::TPictureKey::operator==(const TPictureKey& o) const {
    return SameBackground(o) && std::tie(Text, Shadow, Hilight, Font, Buttons) ==
                                    std::tie(o.Text, o.Shadow, o.Hilight, o.Font, o.Buttons);
}

TWinSkinMenu::TPictureKey TWinSkinMenu::KeyOf(const RECT& bar, const TMenuBarLook& look) const {
    TPictureKey key;
    key.Width = bar.right - bar.left;
    key.Height = bar.bottom - bar.top;
    key.Pixels = look.Image && !look.Image->Bitmap.Empty() ? look.Image->Bitmap.Row(0) : nullptr;
    key.Active = look.Active;
    key.Menubar = look.Menubar;
    key.Text = look.Text;
    key.Shadow = look.Shadow;
    key.Hilight = look.Hilight;
    key.Font = look.Font;
    for (const auto& b : buttons_)
        key.Buttons.emplace_back(b->State, b->Enabled);
    return key;
}

void TWinSkinMenu::PaintBar(HDC dc, const RECT& bar, const TMenuBarLook& look) {
    const int w = bar.right - bar.left, h = bar.bottom - bar.top;
    if (w <= 0 || h <= 0) return;
    look_ = look;
    // A frame paint changes the bar rarely: the picture of the last one is
    // put back as it was unless something it shows has changed.
    const TPictureKey key = KeyOf(bar, look);
    const bool moved = !EqualRect(&bar, &barRect_);
    barRect_ = bar;
    if (!pictureValid_ || !(key == pictureKey_) || moved) {
        // New buttons (no valid picture), a moved bar or another font: the
        // buttons are placed again.
        const bool relayout = !pictureValid_ || moved || key.Font != pictureKey_.Font;
        if (!ComposeBar(key, bar, relayout)) return;
    }
    BitBlt(dc, bar.left, bar.top, w, h, picture_.DC(), 0, 0, SRCCOPY);
}

bool TWinSkinMenu::ComposeBar(const TPictureKey& key, const RECT& bar, bool relayout) {
    const int w = key.Width, h = key.Height;
    const bool background = !pictureValid_ || !key.SameBackground(pictureKey_);
    pictureValid_ = false;
    if (!barCache_.Fit(w, h) || !picture_.Fit(w, h)) return false;
    if (background) PaintMenuBarBackground(barCache_.DC(), RECT{0, 0, w, h}, look_);
    if (relayout) LayoutButtons(bar);
    BitBlt(picture_.DC(), 0, 0, w, h, barCache_.DC(), 0, 0, SRCCOPY);
    for (const auto& b : buttons_) {
        RECT r = b->Rect;
        OffsetRect(&r, -bar.left, -bar.top);
        PaintBarButton(picture_.DC(), {r, b->Caption, b->Enabled, b->State}, look_);
    }
    pictureKey_ = key;
    pictureValid_ = true;
    return true;
}

void TWinSkinMenu::PaintButton(const TMenuBtn& button) {
    const RECT& r = button.Rect;
    const int w = r.right - r.left, h = barRect_.bottom - barRect_.top;
    if (w <= 0 || h <= 0 || barCache_.Empty()) return;
    TWindowDC dc(form_->Handle(), true);
    if (!dc) return;
    TBitmap buffer(w, h);
    if (buffer.Empty()) return;
    BitBlt(buffer.DC(), 0, 0, w, h, barCache_.DC(), r.left - barRect_.left, 0, SRCCOPY);
    const RECT local{0, r.top - barRect_.top, w, r.bottom - barRect_.top};
    PaintBarButton(buffer.DC(), {local, button.Caption, button.Enabled, button.State}, look_);
    BitBlt(dc.Get(), r.left, barRect_.top, w, h, buffer.DC(), 0, 0, SRCCOPY);
}

TMenuBtn* TWinSkinMenu::MenuButtonAt(POINT p) const {
    for (const auto& b : buttons_)
        if (!b->Caption.empty() && PtInRect(&b->Rect, p)) return b.get();
    return nullptr;
}

TMenuBtn* TWinSkinMenu::AcceleratorButton(wchar_t character) const {
    const int index = ::AcceleratorButton(Facts(), character);
    return index >= 0 && buttons_[index]->Enabled ? buttons_[index].get() : nullptr;
}

TMenuBtn* TWinSkinMenu::FirstButton() const {
    return buttons_.empty() ? nullptr : buttons_.front().get();
}

bool TWinSkinMenu::Holds(const TNCObject* object) const {
    return object && std::any_of(buttons_.begin(), buttons_.end(),
                                 [object](const auto& b) { return b.get() == object; });
}

int TWinSkinMenu::TrackDropDown(int index, std::function<int(POINT)> buttonAtScreen) {
    if (index < 0 || index >= static_cast<int>(buttons_.size())) return -1;
    const TMenuBtn& button = *buttons_[index];
    const HWND window = form_->Handle();
    if (!button.SubMenu) {
        // An item without a drop-down is a command of its own.
        if (button.Enabled) PostMessageW(window, WM_COMMAND, button.Command, 0);
        return -1;
    }
    if (!button.Enabled) return -1;
    RECT frame{};
    GetWindowRect(window, &frame);
    const POINT at{frame.left + button.Rect.left, frame.top + button.Rect.bottom + 1};
    const HMENU dropDown = button.SubMenu;
    // Nothing of this object is touched once the loop runs: the window may
    // be unskinned in it.
    THintsSuspended noHints;
    TShownMenuScope shown(dropDown, TMenuKindOfItem::MainMenu);
    TMenuBarTracking tracking(dropDown, index, static_cast<int>(buttons_.size()),
                              std::move(buttonAtScreen));
    TrackPopupMenuEx(dropDown, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, window,
                     nullptr);
    return tracking.Next();
}
