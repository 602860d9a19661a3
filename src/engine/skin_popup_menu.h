#pragma once
// TWinSkinPopMenu: the skin object of one popup-menu window ("#32768"). The
// manager creates it when the window is created and frees it when the
// window is destroyed. It subclasses the window and paints the frame and
// the background behind the items from the skin's menu-background element;
// the items themselves are owner-drawn by the window that owns the menu,
// which copies their backgrounds from this object's composed picture.
#include "toolkit/bitmap.h"
#include "toolkit/window_subclass.h"

#include <windows.h>

#include <memory>
#include <vector>

class TSkinData;
class TDataSkinObject;

class TWinSkinPopMenu {
public:
    TWinSkinPopMenu() = default;
    ~TWinSkinPopMenu();
    TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
    TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

    void Attach(HWND window, TSkinData* skinData, HMENU menu);
    void Detach();
    bool Attached() const { return static_cast<bool>(subclass_); }

    // The menu the window shows, asked of the window once it knows it.
    HMENU Menu();
    // The background of the last paint (null before one), and where the
    // window's client area lies in it.
    const TBitmap* Background() const { return background_.get(); }
    POINT ClientOffset() const { return clientOffset_; }

    HWND Handle = nullptr;
    TSkinData* SkinData = nullptr;
    HMENU MenuHandle = nullptr;

private:
    static LRESULT Handler(void* object, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT PassOn(UINT msg, WPARAM wParam, LPARAM lParam);
    // The skin's element, when the skin paints popups at all.
    const TDataSkinObject* Element() const;
    // Composes the background at the window's size; false with nothing to
    // paint with (the window then keeps the platform's look).
    bool Compose();
    void PaintFrame();
    void PaintClient();
    void Print(HDC dc, LPARAM flags);
    // The items' rectangles in client coordinates.
    std::vector<RECT> ItemRects();
    // The items drawn by the platform (through their owner) into `dc`,
    // clipped to them so that the background stays around them.
    void PrintItems(HDC dc, POINT offset);

    std::unique_ptr<TWindowSubclass> subclass_;
    std::shared_ptr<const TBitmap> background_;
    POINT clientOffset_{0, 0};
};
