#pragma once
// Up-down buttons: two halves (up and down, or left and right) drawn from
// the skin's up-down strip, each in its own state: the half under the
// pointer hot, or pressed while the button is held. The tab controls reuse
// the pieces for their scroll arrows: the halves, the states and the paint
// routine need no window.
#include "engine/controls/skin_control.h"

#include <utility>

class TDataSkinBorder;

// A half's state, which is also its frame (the first half's; the second
// half's is 4 further on).
enum TUpDownState : int { udsNormal = 1, udsPressed = 2, udsDisabled = 3, udsHot = 4 };
// Which half something concerns.
enum class TUpDownHalf { None, First, Second };

// The two halves of `rect`: top and bottom, or left and right.
std::pair<RECT, RECT> UpDownHalves(const RECT& rect, bool horizontal);
// The half of `rect` holding `point`.
TUpDownHalf UpDownHalfAt(const RECT& rect, bool horizontal, POINT point);
// Each half's state: the one under the pointer pressed or hot as the mouse
// bits say, the other normal; both disabled on a disabled control.
std::pair<int, int> UpDownStates(TUpDownHalf underPointer, unsigned char mouse, bool enabled);
// Where an up-down inside an edit draws (`self` and `edit` in screen
// coordinates, `rect` the up-down at (0, 0)): at least 3 pixels inside the
// edit's top, bottom and right edges.
RECT UpDownInsetInEdit(const RECT& rect, const RECT& self, const RECT& edit);

// Everything an up-down's picture depends on.
struct TUpDownLook {
    const TDataSkinBorder* Element = nullptr; // the strip for the layout; null: line-drawn
    bool Horizontal = false;
    int First = udsNormal, Second = udsNormal;
    COLORREF Face = 0, Shadow = 0, DarkShadow = 0;
};

void PaintUpDown(HDC dc, const RECT& rect, const TUpDownLook& look);

class TSkinUpDown : public TSkinControl {
    VELMORA_CLASS()
public:
    // Sits inside an edit box (the edit's skin says so).
    void SetInEdit(bool on) { inEdit_ = on; }
    bool InEdit() const { return inEdit_; }
    // Scrolls a tab set: laid out left and right whatever its style.
    void SetTabScroller(bool on) { tabScroller_ = on; }
    unsigned char MouseBits() const { return MouseState; }
    TUpDownHalf HotHalf() const { return hotHalf_; }

protected:
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    bool Horizontal() const;
    RECT DrawingRect(const RECT& rect) const;
    void TrackHot(POINT at);
    void Press(TMessage& m, bool down);

    bool inEdit_ = false;
    bool tabScroller_ = false;
    // The half the pointer was last seen over (moving or clicking).
    TUpDownHalf hotHalf_ = TUpDownHalf::None;
};
