#include "engine/controls/tab_sheet.h"

#include "toolkit/win_control.h"

const TClassInfo& TSkinTabSheet::StaticClass() {
    static const TClassInfo info(L"TSkinTabSheet", &TSkinControl::StaticClass());
    return info;
}

bool TSkinTabSheet::BeforeMessage(TMessage& m) {
    if (mode_ != 0) return TSkinControl::BeforeMessage(m);
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
        PaintMessage(m);
        return false;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillFace(reinterpret_cast<HDC>(m.WParam), client);
        m.Result = 1;
        return false;
    }
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinTabSheet::DrawSkin(HDC dc, const RECT& rect) {
    PaintBuffered(dc, rect, [&](HDC target) {
        FillFace(target, rect);
        if (Control()) Control()->PaintControls(target);
    });
}
