#pragma once
// The older tab set: tabs hanging from the top edge of a strip, drawn from
// the skin's tab strip image turned upside down; tabs that do not fit are
// left out and a gap is kept for the scroller, which is skinned as an
// up-down.
#include "core/nine_slice.h"
#include "core/pixel_bitmap.h"
#include "engine/controls/tab_base.h"
#include "toolkit/tab_set.h"

#include <memory>
#include <string>
#include <vector>

class TDataSkinBorder;

// Everything the tab set's picture depends on.
struct TTabSetLook {
    const TDataSkinBorder* Element = nullptr;
    const TPixelBitmap* TabImage = nullptr; // turned upside down; empty: face only
    TSkinMargins TabMargins;
    std::vector<std::wstring> Tabs;
    std::vector<TTabSetPlace> Places;
    int Selected = -1;
    HFONT Font = nullptr;
    COLORREF Face = 0;
};

void PaintTabSet(HDC dc, const RECT& rect, const TTabSetLook& look);

class TSkinTab31 : public TSkinTabBase {
    VELMORA_CLASS()
protected:
    void OnAttach() override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    void BuildImages() override;

    TPixelBitmap tabImage_;
    TSkinMargins tabMargins_;
};
