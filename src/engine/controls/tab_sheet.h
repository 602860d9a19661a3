#pragma once
// The pages of a page control: filled with the skin's face colour, their
// image children drawn on it. A page whose own background the skin had to
// switch off paints itself.
#include "engine/controls/skin_control.h"

class TSkinTabSheet : public TSkinControl {
    VELMORA_CLASS()
protected:
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;
};
