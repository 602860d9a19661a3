#pragma once
// The platform's up-down (spin) buttons. Placed inside an edit box, the
// edit is its buddy: the edit shows the position and keeps its text clear
// of the buttons.
#include "toolkit/range_control.h"

class TUpDown : public TRangeControl {
    VELMORA_CLASS()
public:
    explicit TUpDown(TComponent* owner) : TRangeControl(owner) {}

protected:
    void CreateParams(TCreateParams& p) override;
    void CreateWnd() override;
    void SendRange(int min, int max) override;
    void SendPosition(int position) override;
    int ReadPosition() const override;

private:
    bool InsideEdit() const;
};
