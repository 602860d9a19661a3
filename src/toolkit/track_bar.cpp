#include "toolkit/track_bar.h"

#include <commctrl.h>

const TClassInfo& TTrackBar::StaticClass() {
    static const TClassInfo info(
        L"TTrackBar", &TRangeControl::StaticClass(),
        [](TClassInfo& c) {
            c.Int<TTrackBar>(L"Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency);
        },
        [](TComponent* o) { return new TTrackBar(o); });
    return info;
}

void TTrackBar::SetFrequency(int v) {
    frequency_ = v;
    if (HandleAllocated()) SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(v), 0);
}

void TTrackBar::CreateParams(TCreateParams& p) {
    TRangeControl::CreateParams(p);
    p.WinClassName = TRACKBAR_CLASSW;
    p.SystemClass = true;
    p.Style |= TBS_AUTOTICKS | WS_TABSTOP | (Vertical() ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::CreateWnd() {
    TRangeControl::CreateWnd();
    SetFrequency(frequency_);
}

void TTrackBar::SendRange(int min, int max) {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, max);
}

void TTrackBar::SendPosition(int position) {
    SendMessageW(Handle(), TBM_SETPOS, TRUE, position);
}

int TTrackBar::ReadPosition() const {
    return static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
}
