#include "toolkit/progress_bar.h"

#include <commctrl.h>

const TClassInfo& TProgressBar::StaticClass() {
    static const TClassInfo info(
        L"TProgressBar", &TRangeControl::StaticClass(),
        [](TClassInfo& c) {
            c.Bool<TProgressBar>(L"Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth);
        },
        [](TComponent* o) { return new TProgressBar(o); });
    return info;
}

void TProgressBar::CreateParams(TCreateParams& p) {
    TRangeControl::CreateParams(p);
    p.WinClassName = PROGRESS_CLASSW;
    p.SystemClass = true;
    if (Vertical()) p.Style |= PBS_VERTICAL;
    if (smooth_) p.Style |= PBS_SMOOTH;
}

void TProgressBar::SendRange(int min, int max) {
    SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min), max);
}

void TProgressBar::SendPosition(int position) {
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int TProgressBar::ReadPosition() const {
    return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}
