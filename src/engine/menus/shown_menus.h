#pragma once
// The menus the engine has switched to owner-drawing while they are on
// screen, program-wide: the system sends the measure and draw requests to
// whichever window owns the menu loop, which is not always the window the
// menu came from. Each entry says what kind of menu it is (how its items
// are measured) and which images its items show.
#include "engine/menus/menu_item_measure.h"
#include "engine/menus/owner_draw_marks.h"

#include <commctrl.h>

#include <memory>
#include <vector>

struct TShownMenu {
    TMenuKindOfItem Kind = TMenuKindOfItem::Raw;
    HIMAGELIST Images = nullptr;
    // Image of the item at (menu, position); items not listed show none.
    struct TImage {
        HMENU Menu;
        UINT Position;
        int Index;
    };
    std::vector<TImage> ItemImages;
    bool RightToLeft = false;
    TOwnerDrawMarks Marks;

    int ImageOf(HMENU menu, UINT position) const;
};

// Marks `menu` for as long as it lives; registered while it does.
class TShownMenuScope {
public:
    TShownMenuScope(HMENU menu, TMenuKindOfItem kind, HIMAGELIST images = nullptr,
                    std::vector<TShownMenu::TImage> itemImages = {});
    ~TShownMenuScope();
    TShownMenuScope(const TShownMenuScope&) = delete;
    TShownMenuScope& operator=(const TShownMenuScope&) = delete;
    const TShownMenu& Menu() const { return *shown_; }

private:
    std::unique_ptr<TShownMenu> shown_;
};

// The shown menu holding `menu` (a submenu included), or null.
const TShownMenu* ShownMenuHolding(HMENU menu);
// The shown menu with an item of command `id`, newest first, and the menu
// holding the item; null when none has it.
const TShownMenu* ShownMenuWithCommand(UINT id, HMENU& holder);
