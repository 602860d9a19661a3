#include "engine/controls/face_boxes.h"

const TClassInfo& TSkinBox::StaticClass() {
    static const TClassInfo info(L"TSkinBox", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinBoxH::StaticClass() {
    static const TClassInfo info(L"TSkinBoxH", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinSizer::StaticClass() {
    static const TClassInfo info(L"TSkinSizer", &TSkinControl::StaticClass());
    return info;
}

bool TSkinBoxH::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND: {
        RECT window{};
        GetWindowRect(Handle(), &window);
        FillFace(reinterpret_cast<HDC>(m.WParam),
                 RECT{0, 0, window.right - window.left, window.bottom - window.top});
        m.Result = 0;
        return false;
    }
    case WM_CTLCOLORSTATIC:
        CallPrevious(m);
        // The text's own background too, or each label would sit on a band
        // of the system's face colour.
        SetBkColor(reinterpret_cast<HDC>(m.WParam), FaceColour());
        m.Result = reinterpret_cast<LRESULT>(FaceBrush());
        return false;
    default:
        return TSkinControl::BeforeMessage(m);
    }
}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
    FillFace(dc, rect);
}
