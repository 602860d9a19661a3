#pragma once
// Containers drawn by the toolkit: the captioned group box and the panel.
#include "toolkit/custom_control.h"

class TGroupBox : public TCustomControl {
    VELMORA_CLASS()
public:
    using TCustomControl::TCustomControl;

protected:
    void CreateParams(TCreateParams& p) override;
    void Paint(HDC dc) override;
};

class TPanel : public TCustomControl {
    VELMORA_CLASS()
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint(HDC dc) override;
};
