#pragma once
// Edit boxes: the edit paints its text itself; the skin draws a border over
// its edge afterwards (a shadow line with two white rings inside), and hands
// an up-down it finds inside the edit to the up-down skin.
#include "engine/controls/drawn_over.h"

// The border drawn over a bordered edit's edge: a shadow line with white
// rings inside (two for an edit, one for a date picker).
void PaintEditBorder(HDC dc, const RECT& rect, COLORREF shadow, int whiteRings = 2);
// The border a printed edit gets: a ring in the DC's current brush inside
// a shadow line.
void PaintPrintedEditBorder(HDC dc, const RECT& rect, COLORREF shadow);
// Whether the edit draws a border at all, and whether it is wide enough to
// show the printed one.
bool EditHasBorder(HWND edit);
bool EditHasPrintedBorder(HWND edit);

class TSkinEdit : public TSkinDrawnOver {
    VELMORA_CLASS()
public:
    // The up-down found inside the edit, or null.
    HWND UpDown() const { return upDown_; }

protected:
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    void FindUpDown();
    bool HasBorder() const;
    void PaintIntoGivenDC(TMessage& m);
    void PrintBorder(HDC dc);

    HWND upDown_ = nullptr;
};
