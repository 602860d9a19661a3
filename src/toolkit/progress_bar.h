#pragma once
// The platform's progress bar.
#include "toolkit/range_control.h"

class TProgressBar : public TRangeControl {
    VELMORA_CLASS()
public:
    explicit TProgressBar(TComponent* owner) : TRangeControl(owner) {}
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v) { smooth_ = v; }

protected:
    void CreateParams(TCreateParams& p) override;
    void SendRange(int min, int max) override;
    void SendPosition(int position) override;
    int ReadPosition() const override;

private:
    bool smooth_ = false;
};
