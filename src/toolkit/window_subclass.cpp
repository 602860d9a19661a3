#include "toolkit/window_subclass.h"

#include <commctrl.h>

namespace {
int Live = 0;
}

TWindowSubclass::TWindowSubclass(HWND window, void* object, THandler handler)
    : window_(window), object_(object), handler_(handler) {
    installed_ = window && SetWindowSubclass(window, &Proc, reinterpret_cast<UINT_PTR>(this),
                                             reinterpret_cast<DWORD_PTR>(this));
    if (installed_) ++Live;
}

TWindowSubclass::~TWindowSubclass() {
    Remove();
}

void TWindowSubclass::Remove() {
    if (!installed_) return;
    installed_ = false;
    --Live;
    RemoveWindowSubclass(window_, &Proc, reinterpret_cast<UINT_PTR>(this));
}

int TWindowSubclass::LiveCount() {
    return Live;
}

LRESULT CALLBACK TWindowSubclass::Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
    // The handler may free this object (a window that dies unsubclasses on
    // WM_NCDESTROY), so nothing of it is touched afterwards.
    auto* self = reinterpret_cast<TWindowSubclass*>(data);
    return self->handler_(self->object_, window, msg, wParam, lParam);
}
