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
void SendToHints(UINT msg, WPARAM wp) {
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (HWND hints = Screen().Forms(i)->HintWindow()) SendMessageW(hints, msg, wp, 0);
}
} // namespace

THintsSuspended::THintsSuspended() {
    SendToHints(TTM_ACTIVATE, FALSE); // hides a hint that is up
}

THintsSuspended::~THintsSuspended() {
    SendToHints(TTM_ACTIVATE, TRUE);
}
