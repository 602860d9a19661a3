#pragma once
// Status bars: the face colour, each panel (or the one simple text) framed
// by the skin's status-bar edges and its text on top, and the skin's size
// grip in the corner when the bar has one. Composed off-screen, copied once.
#include "engine/controls/skin_control.h"

#include <vector>

class TDataSkinObject;

// One framed area of the bar.
struct TStatusArea {
    RECT Rect{};
    std::wstring Text;
    UINT Align = DT_LEFT; // DT_LEFT, DT_CENTER or DT_RIGHT
    int Edge = 1;         // 1 lowered, 2 raised, 3 no bevel
    bool HasText = true;
    // The panel shown (-1 for the simple text) and the rectangle the bar
    // gives it, where an owner-drawn panel is drawn.
    int Panel = -1;
    RECT PanelRect{};
};

// Everything a status bar picture depends on.
struct TStatusBarLook {
    std::vector<TStatusArea> Areas;
    HFONT Font = nullptr;
    COLORREF Face = 0;
    COLORREF TextColour = 0;
    bool RightToLeft = false;
    // The skin's edge strip (3 frames) and extra images (frame 5 the grip);
    // null when the skin has none.
    const TDataSkinObject* Edges = nullptr;
    const TDataSkinObject* Grip = nullptr;
    bool ShowGrip = false;
};

void PaintStatusBar(HDC dc, const RECT& rect, const TStatusBarLook& look);

class TSkinStatusBar : public TSkinControl {
    VELMORA_CLASS()
protected:
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    TStatusBarLook Look(const RECT& rect) const;
    std::vector<TStatusArea> PanelAreas(const RECT& rect) const;
    void CallDrawPanelEvents(HDC dc, const std::vector<TStatusArea>& areas);
};
