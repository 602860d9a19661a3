#pragma once
// A picture painted by its parent; optionally with its bottom-left colour
// left out.
#include "toolkit/bitmap.h"
#include "toolkit/control.h"

class TImage : public TGraphicControl {
    VELMORA_CLASS()
public:
    using TGraphicControl::TGraphicControl;

    TBitmap* Picture() { return &picture_; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) {
        transparent_ = v;
        Invalidate();
    }
    void Paint(HDC dc) override;

private:
    TBitmap picture_;
    bool transparent_ = false;
};
