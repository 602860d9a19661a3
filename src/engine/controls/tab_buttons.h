#pragma once
// Tab controls in button style: each tab a push button of the skin, the
// chosen one pressed, on a strip of the face colour.
#include "engine/controls/tab_base.h"
#include "engine/controls/tab_rules.h"

class TDataSkinButton;

// Everything the button row's picture depends on.
struct TTabButtonsLook {
    const TDataSkinButton* Element = nullptr; // empty strip: nothing drawn
    RECT Strip{};                             // where the buttons stand
    TTabItems Tabs;
    COLORREF Face = 0;
};

// Paints the whole control: the face, and the buttons on the strip.
void PaintTabButtons(HDC dc, const RECT& rect, const TTabButtonsLook& look);

class TSkinTabBtn : public TSkinTabBase {
    VELMORA_CLASS()
protected:
    void DrawSkin(HDC dc, const RECT& rect) override;
};
