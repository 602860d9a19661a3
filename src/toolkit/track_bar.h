#pragma once
// The platform's track bar, with a tick at every `Frequency` steps.
#include "toolkit/range_control.h"

class TTrackBar : public TRangeControl {
    VELMORA_CLASS()
public:
    explicit TTrackBar(TComponent* owner) : TRangeControl(owner) {}
    int Frequency() const { return frequency_; }
    void SetFrequency(int v);

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void SendRange(int min, int max) override;
    void SendPosition(int position) override;
    int ReadPosition() const override;

private:
    int frequency_ = 1;
};
