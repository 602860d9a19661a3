#include "engine/controls/adv_page.h"

#include "core/nine_slice.h"
#include "core/skin_model.h"
#include "engine/controls/up_down.h"
#include "engine/win_skin_form.h"
#include "toolkit/win_control.h"

#include <commctrl.h>

#include <memory>

TPixelBitmap TabPicture(const TSkinModel& skin, int frame) {
    if (!skin.Tabs || skin.Tabs->Bitmap.Empty()) return {};
    const TDataSkinBorder& tabs = *skin.Tabs;
    return BuildSkinBitmap(kTabPictureWidth, kTabPictureHeight, tabs.Frame(frame), tabs.Margins(),
                           TStripAxis::Horizontal, tabs.Fill());
}

const TClassInfo& TSkinAdvPage::StaticClass() {
    static const TClassInfo info(L"TSkinAdvPage", &TSkinPictureHandOver::StaticClass());
    return info;
}

void TSkinAdvPage::HandOver() {
    const TPixelBitmap normal = TabPicture(Skin(), 1);
    const TPixelBitmap active = TabPicture(Skin(), 2);
    if (normal.Empty()) return;
    Replace(L"TabBackGround", normal);
    Replace(L"TabBackGroundActive", active);
    InvalidateRect(Handle(), nullptr, TRUE);
}

// The control draws everything itself; its tab scroller, which it makes
// only when the tabs overflow, is skinned the first time it is seen.
void TSkinAdvPage::DrawSkin(HDC, const RECT&) {
    SkinTabScroller();
}

void TSkinAdvPage::SkinTabScroller() {
    if (scrollerSkinned_) return;
    const HWND scroller = FindWindowExW(Handle(), nullptr, UPDOWN_CLASSW, nullptr);
    if (!scroller) return;
    scrollerSkinned_ = true;
    auto upDown = std::make_unique<TSkinUpDown>();
    upDown->SetTabScroller(true);
    if (upDown->AttachWindow(Form(), SkinData(), scroller)) Form().AdoptControl(std::move(upDown));
}
