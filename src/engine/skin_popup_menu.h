#pragma once
// TWinSkinPopMenu: the skin object of one popup-menu window ("#32768"). The
// manager creates it when the window is created and frees it when the
// window is destroyed; it holds what painting the menu needs.
#include "toolkit/gdi_objects.h"

#include <windows.h>

class TSkinData;

class TWinSkinPopMenu {
public:
    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu();
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    void Attach(HWND window, TSkinData* skinData, HMENU menu);
    void Detach();

    HWND Handle = nullptr;
    TSkinData* SkinData = nullptr;
    HMENU MenuHandle = nullptr;
    // The menu's background, painted once per menu; owned.
    TBitmapHandle Background;
};
