#pragma once
// Group boxes: a rounded outline in the skin's shadow colour with the
// caption on the face colour. A toolkit group box is painted whole by the
// skin (its image children included), off-screen and copied once; a raw
// dialog group box paints itself and the skin draws over its edge.
#include "engine/controls/skin_control.h"

// Everything a group box picture depends on.
struct TGroupBoxLook {
    std::wstring Caption;
    HFONT Font = nullptr;
    COLORREF TextColour = 0;
    COLORREF Face = 0;
    COLORREF Shadow = 0;
    bool FillFace = true;         // the whole face is ours (toolkit boxes)
    bool CoverNativeEdge = false; // raw boxes: hide the platform's 3-D edge
    bool RightAligned = false;    // WS_EX_RIGHT: the caption ends 8 pixels from the right
    bool RightToLeft = false;
};

// Draws the box into `dc` over `rect` (the window at (0, 0)).
void PaintGroupBox(HDC dc, const RECT& rect, const TGroupBoxLook& look);

class TSkinGroupBox : public TSkinControl {
    VELMORA_CLASS()
protected:
    void OnAttach() override;
    bool BeforeMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    TGroupBoxLook Look() const;
};
