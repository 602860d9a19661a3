#pragma once
// Static text painted by its parent.
#include "toolkit/control.h"

class TLabel : public TGraphicControl {
    VELMORA_CLASS()
public:
    explicit TLabel(TComponent* owner);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) {
        transparent_ = v;
        Invalidate();
    }
    void SetText(const std::wstring& v) override {
        TGraphicControl::SetText(v);
        Invalidate();
    }
    void Paint(HDC dc) override;

private:
    bool transparent_ = false;
};
