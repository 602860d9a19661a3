#include "toolkit/screen.h"

#include "toolkit/form.h"

#include <algorithm>

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
