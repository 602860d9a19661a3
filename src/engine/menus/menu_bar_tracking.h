#pragma once
// Moving along the skinned menu bar while one of its drop-downs is open: a
// message filter on the menu loop turns Left and Right at the ends of the
// drop-down, and the pointer moving onto another bar button, into a switch
// to that button's drop-down (the open one is ended; the bar then opens
// the next). One drop-down is open at a time, so one tracking lives at a
// time, for the current thread.
#include <windows.h>

#include <functional>

// Which bar button a key sends the walk to, or -1 to leave it to the menu:
// Left from the drop-down's own items (or with none selected) goes to the
// previous button, Right from an item without a submenu to the next; both
// wrap around the bar.
int BarKeyTarget(UINT key, int open, int count, bool itemSelected, bool selectedHasSubMenu,
                 bool selectedInDropDown);

class TMenuBarTracking {
public:
    // `buttonAt` maps a screen point to a bar button index (-1 for none).
    TMenuBarTracking(HMENU dropDown, int open, int count, std::function<int(POINT)> buttonAt);
    ~TMenuBarTracking();
    TMenuBarTracking(const TMenuBarTracking&) = delete;
    TMenuBarTracking& operator=(const TMenuBarTracking&) = delete;

    // The button to open once the current drop-down closed, or -1.
    int Next() const { return next_; }
    // WM_MENUSELECT seen by the owner window.
    static void MenuSelect(WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK FilterProc(int code, WPARAM wParam, LPARAM lParam);
    void Filter(const MSG& msg);
    void SwitchTo(int index);

    HHOOK hook_ = nullptr;
    HMENU dropDown_;
    int open_, count_;
    std::function<int(POINT)> buttonAt_;
    int next_ = -1;
    bool first_ = true;
    POINT lastMouse_{};
    HMENU selectedMenu_ = nullptr;
    bool selectedHasSubMenu_ = false;
};
