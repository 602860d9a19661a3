#pragma once
// Common controls that show one position in a range (progress bar, track
// bar, up-down): the range and position as published properties, handed to
// the window whenever it exists.
#include "toolkit/win_control.h"

enum TControlOrientation { coHorizontal, coVertical };

class TRangeControl : public TWinControl {
    VELMORA_CLASS()
public:
    explicit TRangeControl(TComponent* owner) : TWinControl(owner) {}

    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    // The window's own position once it exists (a track bar or up-down
    // moves under the user's hand).
    int Position() const;
    void SetPosition(int v);
    int Orientation() const { return orientation_; }
    void SetOrientation(int v) { orientation_ = v; }

protected:
    void CreateWnd() override;
    // The control's messages for the range and the position.
    virtual void SendRange(int min, int max) = 0;
    virtual void SendPosition(int position) = 0;
    virtual int ReadPosition() const = 0;
    bool Vertical() const { return orientation_ == coVertical; }

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int orientation_ = coHorizontal;
};
