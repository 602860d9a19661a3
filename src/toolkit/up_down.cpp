#include "toolkit/up_down.h"

#include "toolkit/edit.h"

#include <commctrl.h>

const TClassInfo& TUpDown::StaticClass() {
    static const TClassInfo info(L"TUpDown", &TRangeControl::StaticClass(), nullptr,
                                 [](TComponent* o) { return new TUpDown(o); });
    return info;
}

bool TUpDown::InsideEdit() const {
    return dynamic_cast<TEdit*>(Parent()) != nullptr;
}

void TUpDown::CreateParams(TCreateParams& p) {
    TRangeControl::CreateParams(p);
    p.WinClassName = UPDOWN_CLASSW;
    p.SystemClass = true;
    p.Style |= UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    if (!Vertical()) p.Style |= UDS_HORZ;
    if (InsideEdit()) p.Style |= UDS_SETBUDDYINT;
}

void TUpDown::CreateWnd() {
    if (InsideEdit()) {
        // No alignment style: the buttons stay where the form put them.
        const HWND edit = Parent()->Handle();
        SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
        SendMessageW(edit, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, Width() + 1));
    }
    TRangeControl::CreateWnd();
}

void TUpDown::SendRange(int min, int max) {
    SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min), max);
}

void TUpDown::SendPosition(int position) {
    SendMessageW(Handle(), UDM_SETPOS32, 0, position);
}

int TUpDown::ReadPosition() const {
    return static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0));
}
