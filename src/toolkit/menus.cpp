#include "toolkit/menus.h"

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"

#include <algorithm>

namespace {
const TEnumInfo kAutoFlags{{L"maAutomatic", L"maManual", L"maParent"}};

TPopupMenu::TShowHook& ShowHook() {
    static TPopupMenu::TShowHook hook;
    return hook;
}

UINT TrackWithApplicationWindow(HMENU menu, int x, int y) {
    // The program's active window owns the menu, so it stays active (and
    // keeps its active frame) while the menu is open. Only a program in the
    // background brings its hidden window forward: a menu owned by a
    // background window would not close on a click outside.
    HWND owner = GetActiveWindow();
    if (!owner) {
        owner = Application().Handle();
        SetForegroundWindow(owner);
    }
    UINT id = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y,
                         owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return id;
}
} // namespace

const TClassInfo& TMenuItem::StaticClass() {
    static const TClassInfo info(
        L"TMenuItem", &TComponent::StaticClass(),
        [](TClassInfo& c) {
            c.Str<TMenuItem>(L"Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
            c.Bool<TMenuItem>(L"Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled);
            c.Bool<TMenuItem>(L"Checked", &TMenuItem::Checked, &TMenuItem::SetChecked);
            c.Bool<TMenuItem>(L"RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem);
            c.Bool<TMenuItem>(L"Visible", &TMenuItem::Visible, &TMenuItem::SetVisible);
            c.Int<TMenuItem>(L"GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex);
            c.Int<TMenuItem>(L"ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex);
            c.Event(L"OnClick", &TMenuItem::OnClick);
        },
        [](TComponent* o) { return new TMenuItem(o); });
    return info;
}

TMenuItem::~TMenuItem() {
    for (TMenuItem* i : items_)
        i->parentItem_ = nullptr;
    if (parentItem_) parentItem_->Remove(this);
}

void TMenuItem::Add(TMenuItem* item) {
    if (item->parentItem_) item->parentItem_->Remove(item);
    item->parentItem_ = this;
    items_.push_back(item);
}

void TMenuItem::Remove(TMenuItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->parentItem_ = nullptr;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TPopupMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* bar = dynamic_cast<TMainMenu*>(parent))
        bar->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

void TMenuItem::BuildInto(HMENU menu, UINT& nextId, std::vector<TMenuItem*>& byId) const {
    for (TMenuItem* item : items_) {
        if (!item->visible_) continue;
        if (item->IsLine()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item->enabled_ ? MF_ENABLED : MF_GRAYED) |
                     (item->checked_ ? MF_CHECKED : MF_UNCHECKED);
        if (item->Count() > 0) {
            HMENU sub = CreatePopupMenu(); // owned by `menu` once appended
            item->BuildInto(sub, nextId, byId);
            AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub),
                        item->caption_.c_str());
            continue;
        }
        byId.push_back(item);
        AppendMenuW(menu, flags, nextId++, item->caption_.c_str());
    }
}

const TClassInfo& TPopupMenu::StaticClass() {
    static const TClassInfo info(
        L"TPopupMenu", &TComponent::StaticClass(),
        [](TClassInfo& c) {
            c.Enum<TPopupMenu>(L"AutoHotkeys", kAutoFlags, &TPopupMenu::AutoHotkeys,
                               &TPopupMenu::SetAutoHotkeys);
            c.Event(L"OnPopup", &TPopupMenu::OnPopup);
        },
        [](TComponent* o) { return new TPopupMenu(o); });
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner), Track(TrackWithApplicationWindow), root_(nullptr) {}

TPopupMenu::~TPopupMenu() {
    // The items are components of the form; they only leave this menu.
    while (root_.Count() > 0)
        root_.Remove(root_.Items(0));
}

void TPopupMenu::SetShowHook(TShowHook hook) {
    ShowHook() = std::move(hook);
}

void TPopupMenu::Popup(int x, int y) {
    popupPoint_ = POINT{x, y};
    if (OnPopup) OnPopup(this);
    TMenuHandle menu(CreatePopupMenu());
    if (!menu) return;
    UINT nextId = 1;
    std::vector<TMenuItem*> byId;
    root_.BuildInto(menu.Get(), nextId, byId);
    UINT chosen = 0;
    if (Track) {
        THintsSuspended noHints;
        const std::shared_ptr<void> shown = ShowHook() ? ShowHook()(*this, menu.Get()) : nullptr;
        chosen = Track(menu.Get(), x, y);
    }
    if (chosen >= 1 && chosen <= byId.size()) byId[chosen - 1]->Click();
}

const TClassInfo& TMainMenu::StaticClass() {
    static const TClassInfo info(
        L"TMainMenu", &TComponent::StaticClass(), [](TClassInfo&) {},
        [](TComponent* o) { return new TMainMenu(o); });
    return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), root_(nullptr) {}

TMainMenu::~TMainMenu() {
    if (auto* form = dynamic_cast<TForm*>(Owner()); form && form->Menu() == this)
        form->SetMenu(nullptr);
    while (root_.Count() > 0)
        root_.Remove(root_.Items(0));
}

HMENU TMainMenu::Handle() {
    if (handle_) return handle_.Get();
    handle_.Reset(CreateMenu());
    if (!handle_) return nullptr;
    UINT nextId = 1;
    byId_.clear();
    root_.BuildInto(handle_.Get(), nextId, byId_);
    return handle_.Get();
}

bool TMainMenu::DispatchCommand(UINT id) {
    if (id < 1 || id > byId_.size()) return false;
    byId_[id - 1]->Click();
    return true;
}

void TMainMenu::SetParentComponent(TComponent* parent) {
    if (auto* form = dynamic_cast<TForm*>(parent); form && !form->Menu()) form->SetMenu(this);
}
