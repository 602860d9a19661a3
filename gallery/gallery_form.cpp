#include "gallery_form.h"

#include "engine/skin_store_component.h"
#include "raw_dialog.h"
#include "toolkit/menus.h"
#include "toolkit/status_bar.h"

#include <utility>

namespace {
// The stored form names the skin components.
[[maybe_unused]] const bool kSkinComponentsKnown = (RegisterSkinComponents(), true);
} // namespace

const TClassInfo& TGalleryForm::StaticClass() {
    static const TClassInfo info(L"TGalleryForm", &TForm::StaticClass());
    return info;
}

void TGalleryForm::BtnYellowClick(TObject*) {
    SwitchToStoredSkin(*this, 1);
}

void TGalleryForm::BtnBlueClick(TObject*) {
    SwitchToStoredSkin(*this, 0);
}

void TGalleryForm::BtnSystemClick(TObject*) {
    SwitchSkinOff(*this);
}

void TGalleryForm::BtnRawDialogClick(TObject*) {
    RunRawDialog(Handle());
}

void TGalleryForm::Loaded() {
    TForm::Loaded();
    if (auto* button = Find<TMenuButton>(L"MenuButton1"))
        button->SetDropdownMenu(Find<TPopupMenu>(L"DropMenu"));
}

void TGalleryForm::WndProc(TMessage& m) {
    TForm::WndProc(m);
    if (m.Msg != WM_SIZE) return;
    if (auto* bar = Find<TStatusBar>(L"StatusBar1"); bar && bar->HandleAllocated())
        SendMessageW(bar->Handle(), WM_SIZE, 0, 0);
}

std::any TGalleryForm::MethodAddress(const std::wstring& name) {
    using TNotify = void (TGalleryForm::*)(TObject*);
    static const std::pair<const wchar_t*, TNotify> handlers[] = {
        {L"BtnYellowClick", &TGalleryForm::BtnYellowClick},
        {L"BtnBlueClick", &TGalleryForm::BtnBlueClick},
        {L"BtnSystemClick", &TGalleryForm::BtnSystemClick},
        {L"BtnRawDialogClick", &TGalleryForm::BtnRawDialogClick},
    };
    for (const auto& [n, method] : handlers)
        if (name == n) return TNotifyEvent([this, m = method](TObject* s) { (this->*m)(s); });
    return {};
}
