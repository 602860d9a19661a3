#pragma once
// Menu buttons: a push button with a drop-down arrow in a column at its
// right; the focus shows as the hot frame.
#include "engine/controls/push_button.h"

// The frame, the caption centred left of the arrow column, and the arrow
// (its tip two pixels below the middle) in `arrowColour`.
void PaintMenuButton(HDC dc, const RECT& rect, const TPushButtonLook& look, COLORREF arrowColour);

class TSkinMenuButton : public TSkinButton {
    VELMORA_CLASS()
protected:
    int FrameFor(const TButtonFacts& facts) const override { return MenuButtonFrame(facts); }
    void DrawSkin(HDC dc, const RECT& rect) override;
};
