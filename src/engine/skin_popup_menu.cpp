#include "engine/skin_popup_menu.h"

TWinSkinPopMenu::~TWinSkinPopMenu() {
    Detach();
}

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, HMENU menu) {
    Handle = window;
    SkinData = skinData;
    MenuHandle = menu;
}

void TWinSkinPopMenu::Detach() {
    // Painting of the menu window arrives with the popup-menu skin; until
    // then nothing of the window was changed, so nothing is put back.
    Background.Reset();
    Handle = nullptr;
}
