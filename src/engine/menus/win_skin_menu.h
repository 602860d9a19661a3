#pragma once
// TWinSkinMenu: the skinned menu bar of one window. It takes the window's
// menu off (the platform's bar disappears), shows a button per top-level
// item in the frame's strip below the caption, opens the drop-downs itself
// with their items skinned, and gives the menu back exactly as it was when
// the skin is switched off.
#include "engine/menus/menu_bar_layout.h"
#include "engine/menus/menu_bar_paint.h"
#include "engine/nc_object.h"
#include "toolkit/bitmap.h"

#include <functional>
#include <memory>
#include <vector>

class TWinSkinForm;

class TMenuBtn : public TNCObject {
public:
    TMenuBtn(TWinSkinForm* form, int index) : TNCObject(form), Index(index) {}
    void Paint() override;

    int Index;
    std::wstring Caption;
    UINT Command = 0;
    HMENU SubMenu = nullptr;
};

class TWinSkinMenu {
public:
    explicit TWinSkinMenu(TWinSkinForm* form) : form_(form) {}
    TWinSkinMenu(const TWinSkinMenu&) = delete;
    TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

    // Reads the buttons from `menu` and takes the menu off the window.
    void BuildButtons(HMENU menu);
    // Puts the menu back on the window.
    void Restore();
    HMENU MenuHandle() const { return menuHandle_; }

    // Places the buttons in `bar` (window coordinates).
    void LayoutButtons(const RECT& bar);
    // The bar's strip into `dc` (window coordinates), buttons included.
    void PaintBar(HDC dc, const RECT& bar, const TMenuBarLook& look);
    // One button straight into the window, over the last painted bar.
    void PaintButton(const TMenuBtn& button);
    // The kept pictures were of another skin.
    void ForgetPictures();

    // The button with a caption at a window point, or null.
    TMenuBtn* MenuButtonAt(POINT windowPoint) const;
    TMenuBtn* AcceleratorButton(wchar_t character) const;
    TMenuBtn* FirstButton() const;
    bool Holds(const TNCObject* object) const;
    const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }

    // Opens the button's drop-down and runs its loop; the index of the
    // button the user moved on to (its drop-down to open next), or -1.
    int TrackDropDown(int index, std::function<int(POINT)> buttonAtScreen);

private:
    // Everything the bar's picture depends on besides the captions, which
    // change only with BuildButtons.
    struct TPictureKey {
        int Width = 0, Height = 0;
        const void* Pixels = nullptr;
        bool Active = true;
        COLORREF Menubar = 0, Text = 0, Shadow = 0, Hilight = 0;
        HFONT Font = nullptr;
        std::vector<std::pair<TNCState, bool>> Buttons; // state, enabled
        bool SameBackground(const TPictureKey& o) const;
        bool operator==(const TPictureKey& o) const;
    };
    TPictureKey KeyOf(const RECT& bar, const TMenuBarLook& look) const;
    bool ComposeBar(const TPictureKey& key, const RECT& bar, bool relayout);
    std::vector<TBarButtonFacts> Facts() const;

    TWinSkinForm* form_;
    HMENU menuHandle_ = nullptr;
    std::vector<std::unique_ptr<TMenuBtn>> buttons_;
    RECT barRect_{};
    TMenuBarLook look_;
    TBitmap barCache_; // the bar without captions, as last painted
    TBitmap picture_;  // the bar with its buttons, as last painted
    TPictureKey pictureKey_;
    bool pictureValid_ = false;
};
