#pragma once
// Acts inside a popup menu's modal loop, on the thread that runs it: a
// thread timer (dispatched by the loop like any other) calls the test's
// step until it reports the work done. Nothing waits on a guess of how long
// the menu takes to open; the step sees whether it is open (OpenMenuWindow)
// and acts on the menu's real state. A loop still running long after the
// step is ended, and the driver says so, so that a fault never hangs a test.
#include <windows.h>

#include <functional>
#include <string>

class TMenuDriver {
public:
    // Called on every tick with this thread's open menu window (null while
    // none is shown); returns true once its work is done.
    using TStep = std::function<bool(HWND openMenu)>;
    explicit TMenuDriver(TStep step);
    ~TMenuDriver();
    TMenuDriver(const TMenuDriver&) = delete;
    TMenuDriver& operator=(const TMenuDriver&) = delete;

    // The step reported its work done.
    bool Done() const { return done_; }
    // The step never finished, or a loop still ran long after it did: the
    // driver ended the menu.
    bool TimedOut() const { return timedOut_; }

    // This thread's visible popup-menu window, or null.
    static HWND OpenMenuWindow();
    // Picks the item with this text with the keyboard, the way a user does;
    // false when the open menu has no such item.
    static bool ChooseItem(HWND openMenu, const std::wstring& text);

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    void OnTick();

    TStep step_;
    UINT_PTR timer_ = 0;
    int ticks_ = 0;
    int ticksSinceDone_ = 0;
    bool done_ = false;
    bool inStep_ = false;
    bool timedOut_ = false;
};
