// The main window's search box, share command and skin menu.
#include "app/main_form.h"
#include "app/search_share.h"
#include "engine/skin_data.h"
#include "engine/skin_store_component.h"

void TFrmMain::TxtSearchNameKeyDown(TObject*, WORD& key, TShiftState) {
    if (key == VK_RETURN) BtnSearch->Click();
}

void TFrmMain::BtnSearchClick(TObject*) {
    OpenSearchPage(Handle(), TxtSearchName->Text());
}

void TFrmMain::N2Click(TObject*) {
    if (!LstThemes->Selected()) return;
    const std::wstring name = SelectedThemeName(*LstThemes);
    // Another program may hold the clipboard open: then say so rather than
    // claim a link is there to paste.
    if (PutTextOnClipboard(Handle(), SearchUrl(StripBrandMark(name))))
        MessageBoxW(Handle(), L"好啦,你现在可以按Ctrl+V发送给你的朋友了!", L"(^o^)", MB_OK);
    else
        MessageBoxW(Handle(), L"复制链接失败, 请稍后再试。", Caption().c_str(),
                    MB_OK | MB_ICONWARNING);
}

void TFrmMain::Image1Click(TObject*) {
    // The image's place inside its group box, so the menu opens above it.
    POINT at{Image1->Left() + 8, Image1->Top() - 57};
    ClientToScreen(Handle(), &at);
    PopupMenu1->Popup(at.x, at.y);
}

void TFrmMain::N3Click(TObject*) {
    SwitchToStoredSkin(*this, 0);
}

void TFrmMain::N4Click(TObject*) {
    SwitchToStoredSkin(*this, 1);
}

void TFrmMain::N5Click(TObject*) {
    SwitchSkinOff(*this);
}
