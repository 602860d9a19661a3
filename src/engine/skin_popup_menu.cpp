#include "engine/skin_popup_menu.h"

#include "core/skin_model.h"
#include "engine/engine_messages.h"
#include "engine/menus/popup_background.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"
#include "toolkit/gdi_objects.h"

#ifndef MN_GETHMENU
#define MN_GETHMENU 0x01E1
#endif

TWinSkinPopMenu::~TWinSkinPopMenu() {
    Detach();
}

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, HMENU menu) {
    Handle = window;
    SkinData = skinData;
    MenuHandle = menu;
    auto subclass = std::make_unique<TWindowSubclass>(window, this, &Handler);
    if (subclass->Installed()) subclass_ = std::move(subclass);
}

void TWinSkinPopMenu::Detach() {
    subclass_.reset();
    background_.reset();
}

HMENU TWinSkinPopMenu::Menu() {
    if (!MenuHandle && Handle)
        MenuHandle = reinterpret_cast<HMENU>(SendMessageW(Handle, MN_GETHMENU, 0, 0));
    return MenuHandle;
}

LRESULT TWinSkinPopMenu::Handler(void* object, HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
    return static_cast<TWinSkinPopMenu*>(object)->WindowProc(msg, wParam, lParam);
}

LRESULT TWinSkinPopMenu::PassOn(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(Handle, msg, wParam, lParam);
}

const TDataSkinObject* TWinSkinPopMenu::Element() const {
    if (!SkinData || SkinData->SkinNotLoaded()) return nullptr;
    const TDataSkinObject* element = SkinData->Skin().MenuBackground.get();
    return element && element->Bitmap.Width() > 0 ? element : nullptr;
}

LRESULT TWinSkinPopMenu::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Skinned even while the manager pauses: the window is ours until it dies.
    if (msg == SKINMSG_QUERY) return 1;
    const TSkinManage* manager = SkinManager();
    if (!manager || !manager->SkinningOn) return PassOn(msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY: {
        const HWND window = Handle;
        Detach();
        return DefSubclassProc(window, msg, wParam, lParam);
    }
    case WM_ERASEBKGND:
        // With the menu-background option the frame's paint stays under the
        // items; otherwise the platform erases first.
        if (!(SkinData && InSet(SkinData->Options(), xoMenuBG))) PassOn(msg, wParam, lParam);
        return 1;
    case WM_NCPAINT:
        if (!Compose()) return PassOn(msg, wParam, lParam);
        PaintFrame();
        return 0;
    case WM_PAINT:
        if (!Compose()) return PassOn(msg, wParam, lParam);
        PaintClient();
        return 0;
    case WM_PRINT:
        if (!Compose()) return PassOn(msg, wParam, lParam);
        Print(reinterpret_cast<HDC>(wParam), lParam);
        return 0;
    default:
        return PassOn(msg, wParam, lParam);
    }
}

bool TWinSkinPopMenu::Compose() {
    const TDataSkinObject* element = Element();
    if (!element || !Handle) return false;
    RECT window{}, client{};
    GetWindowRect(Handle, &window);
    GetClientRect(Handle, &client);
    POINT origin{0, 0};
    ClientToScreen(Handle, &origin);
    clientOffset_ = POINT{origin.x - window.left, origin.y - window.top};
    const int w = window.right - window.left, h = window.bottom - window.top;
    if (!background_ || background_->Width() != w || background_->Height() != h) {
        TSkinManage* manager = SkinManager();
        background_ = manager
                          ? manager->MenuBackgrounds().Get(SkinData->SharedSkin(), *element, w, h)
                          : ComposeMenuBackground(*element, w, h);
    }
    Menu();
    return background_ != nullptr;
}

void TWinSkinPopMenu::PaintFrame() {
    // The window DC, never one made from the message's region: the platform
    // owns that region (and wParam 1 is no region at all).
    TWindowDC dc(Handle, true);
    if (!dc) return;
    RECT client{};
    GetClientRect(Handle, &client);
    OffsetRect(&client, clientOffset_.x, clientOffset_.y);
    TSavedDC saved(dc.Get());
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
    BitBlt(dc.Get(), 0, 0, background_->Width(), background_->Height(), background_->DC(), 0, 0,
           SRCCOPY);
}

std::vector<RECT> TWinSkinPopMenu::ItemRects() {
    std::vector<RECT> rects;
    const HMENU menu = Menu();
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r)) continue;
        MapWindowPoints(nullptr, Handle, reinterpret_cast<POINT*>(&r), 2);
        rects.push_back(r);
    }
    return rects;
}

void TWinSkinPopMenu::PrintItems(HDC dc, POINT offset) {
    const std::vector<RECT> items = ItemRects();
    if (items.empty()) return;
    TRegionHandle clip(ItemsRegion(items, offset));
    TSavedDC saved(dc);
    SetViewportOrgEx(dc, offset.x, offset.y, nullptr);
    ExtSelectClipRgn(dc, clip.Get(), RGN_AND);
    SetBkMode(dc, TRANSPARENT);
    PassOn(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

void TWinSkinPopMenu::PaintClient() {
    TPaintDC paint(Handle);
    RECT client{};
    GetClientRect(Handle, &client);
    const int w = client.right, h = client.bottom;
    TMemoryDC buffer(CreateCompatibleDC(paint.Get()));
    TBitmapHandle bitmap(CreateCompatibleBitmap(paint.Get(), w, h));
    if (!buffer || !bitmap) return;
    TSelectObject keep(buffer.Get(), bitmap.Get());
    BitBlt(buffer.Get(), 0, 0, w, h, background_->DC(), clientOffset_.x, clientOffset_.y, SRCCOPY);
    PrintItems(buffer.Get(), POINT{0, 0});
    BitBlt(paint.Get(), 0, 0, w, h, buffer.Get(), 0, 0, SRCCOPY);
}

void TWinSkinPopMenu::Print(HDC dc, LPARAM) {
    BitBlt(dc, 0, 0, background_->Width(), background_->Height(), background_->DC(), 0, 0, SRCCOPY);
    PrintItems(dc, clientOffset_);
}
