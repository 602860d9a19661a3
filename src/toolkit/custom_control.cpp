#include "toolkit/custom_control.h"

#include "toolkit/canvas.h"

const TClassInfo& TCustomControl::StaticClass() {
    static const TClassInfo info(L"TCustomControl", &TWinControl::StaticClass());
    return info;
}

// Tab-key navigation looks into containers for their tab stops.
void TCustomControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.ExStyle |= WS_EX_CONTROLPARENT;
}

void TCustomControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(Handle(), &r);
        TCanvas(reinterpret_cast<HDC>(m.WParam)).FillRect(r, color_);
        m.Result = 1;
        return;
    }
    case WM_PAINT:
        if (m.WParam) {
            HDC dc = reinterpret_cast<HDC>(m.WParam);
            Paint(dc);
            PaintControls(dc);
        } else {
            TPaintDC dc(Handle());
            Paint(dc.Get());
            PaintControls(dc.Get());
        }
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}
