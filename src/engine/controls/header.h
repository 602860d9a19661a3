#pragma once
// Column headers (SysHeader32) painted from the skin's header bar: every
// column a frame of it (the hot frame under the pointer) with its image and
// caption on top, and the strip right of the last column in the normal
// frame. Clicking a column and dragging a divider stay the header's own.
#include "engine/controls/skin_control.h"

#include <commctrl.h>

#include <vector>

class TDataSkinObject;
class TElementFrames;

enum THeaderFrame : int { hfNormal = 1, hfHot = 2 };

// One column as the header reports it.
struct THeaderItemLook {
    std::wstring Text;
    RECT Rect{};
    int Format = 0; // HDF_* bits
    int Image = -1;
    bool Hot = false;
};

// Everything a header's picture depends on.
struct THeaderLook {
    const TDataSkinObject* Bar = nullptr;
    TElementFrames* Frames = nullptr; // the window's kept frames; none: composed anew
    HFONT Font = nullptr;
    COLORREF TextColour = 0;
    HIMAGELIST Images = nullptr;
    bool RightToLeft = false;
    std::vector<THeaderItemLook> Items;
};

// Where a column's content starts: 3 pixels in from the left, centred, or
// ending 2 pixels before the right edge (the image counted in), never left
// of 1.
int HeaderContentLeft(int format, int itemWidth, int imageWidth, int textWidth);
// The columns and the strip beyond them over `rect` (the header at (0, 0)).
void PaintHeader(HDC dc, const RECT& rect, const THeaderLook& look);

class TSkinHeader : public TSkinControl {
    VELMORA_CLASS()
public:
    // The column under the pointer, -1 for none.
    int HotItem() const { return hotItem_; }

protected:
    void OnAttach() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    THeaderLook Look() const;
    void TrackHot(POINT at);
    bool HasBar() const;

    // The columns as last painted, each narrowed by 3 pixels on both sides,
    // so that a divider belongs to no column.
    std::vector<RECT> itemRects_;
    int hotItem_ = -1;
};
