#include "engine/controls/drawn_over.h"

const TClassInfo& TSkinDrawnOver::StaticClass() {
    static const TClassInfo info(L"TSkinDrawnOver", &TSkinControl::StaticClass());
    return info;
}

void TSkinDrawnOver::AfterMessage(TMessage& m) {
    if (m.Msg == WM_NCPAINT) {
        PaintWindow(nullptr);
        return;
    }
    TSkinControl::AfterMessage(m);
}
