#include "toolkit/screen.h"

#include "toolkit/form.h"

#include <algorithm>
#include <commctrl.h>

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

void TScreen::RemoveForm(TForm* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

TForm* TScreen::ActiveForm() const {
    HWND active = GetActiveWindow();
    for (TForm* f : forms_)
        if (f->HandleAllocated() && f->Handle() == active) return f;
    return nullptr;
}

namespace {
LRESULT KeepHidden(void*, HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(lp)->flags &= ~SWP_SHOWWINDOW;
    return DefSubclassProc(window, msg, wp, lp);
}
} // namespace

THintsSuspended::THintsSuspended() {
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (HWND hints = Screen().Forms(i)->HintWindow()) hints_.push_back(hints);
    for (HWND hints : hints_) {
        SendMessageW(hints, TTM_ACTIVATE, FALSE, 0); // hides a hint that is up
        guards_.push_back(std::make_unique<TWindowSubclass>(hints, nullptr, KeepHidden));
    }
}

THintsSuspended::~THintsSuspended() {
    guards_.clear();
    for (HWND hints : hints_) {
        if (!IsWindow(hints)) continue;
        // A hint kept from showing still counts as shown: pop it, or the
        // tool would show nothing until the pointer left it.
        SendMessageW(hints, TTM_POP, 0, 0);
        SendMessageW(hints, TTM_ACTIVATE, TRUE, 0);
    }
}
