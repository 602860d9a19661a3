#pragma once
// Containers whose skin is only the face colour: panels (their Color is
// the skin's face while skinned), and raw windows filled with the face
// colour (nested dialogs and tool bars, size grips).
#include "engine/controls/skin_control.h"

// A panel-like toolkit control; attaching with the keep-colour flag is all
// of its skin.
class TSkinBox : public TSkinControl {
    VELMORA_CLASS()
};

// A raw nested dialog or tool bar: erased with the face colour, and its
// static children drawn on it.
class TSkinBoxH : public TSkinControl {
    VELMORA_CLASS()
protected:
    bool BeforeMessage(TMessage& m) override;
};

// A raw size grip, covered with the face colour after it painted.
class TSkinSizer : public TSkinControl {
    VELMORA_CLASS()
protected:
    void DrawSkin(HDC dc, const RECT& rect) override;
};
