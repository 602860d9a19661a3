#pragma once
// Menus switched to owner-drawing for as long as they are shown. Only the
// type of each item changes (text, state, command and item data stay), and
// the old type goes back when the marks are lifted, so that the menu reads
// exactly as before afterwards.
#include <windows.h>

#include <vector>

class TOwnerDrawMarks {
public:
    TOwnerDrawMarks() = default;
    ~TOwnerDrawMarks() { Restore(); }
    TOwnerDrawMarks(const TOwnerDrawMarks&) = delete;
    TOwnerDrawMarks& operator=(const TOwnerDrawMarks&) = delete;

    // Marks every item of `menu` and of its submenus, at every depth. Items
    // that already draw themselves are left to their owner.
    void Mark(HMENU menu);
    // Puts every marked item's type back.
    void Restore();
    // The marked menu (a submenu included) holding command `id`, or null.
    // The system tells a measured item by its command only.
    HMENU MenuOf(UINT id) const;
    bool Holds(HMENU menu) const;
    // Command `id` of `menu` was marked here.
    bool Marked(HMENU menu, UINT id) const;
    bool Empty() const { return marked_.empty(); }

private:
    struct TMarked {
        HMENU Menu;
        UINT Position;
        UINT Type;
        UINT Id;
    };
    std::vector<TMarked> marked_;
};
