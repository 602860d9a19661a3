#pragma once
// Tab controls and page controls: the tab strip drawn from the skin's tab
// strip image turned for the side the tabs stand on, composed off-screen
// and copied in one piece; the page frame over the display area (never
// over the pages' windows); close boxes on the tabs of page controls tagged
// for them; the scroll arrows skinned as an up-down.
#include "core/nine_slice.h"
#include "core/pixel_bitmap.h"
#include "engine/controls/tab_base.h"
#include "engine/controls/tab_rules.h"

#include <commctrl.h>

#include <memory>
#include <vector>

class TDataSkinBorder;

// The tag that asks for close boxes on a page control's tabs, and the
// question the form is sent before a page is closed (wParam: the tab
// control, lParam: the tab); any answer but 0 keeps the page.
constexpr int kCloseBoxTag = 7777;
constexpr UINT kCloseTabQuestion = 0x3507;

// Everything a tab control's picture depends on.
struct TTabLook {
    TTabSide Side = TTabSide::Top;
    const TDataSkinBorder* Element = nullptr; // the tab strip's margins, frames, colours
    const TPixelBitmap* TabImage = nullptr;   // turned for the side; empty: no strip
    TSkinMargins TabMargins;
    const TPixelBitmap* PaneImage = nullptr; // turned for the side; empty: no frame
    TSkinMargins PaneMargins;
    RECT Display{}; // the display area the frame covers
    TTabItems Tabs;
    bool CloseBoxes = false;
    COLORREF Background = 0; // under the tabs
};

// Paints the strip and the page frame into `dc` (`rect` is the control at
// (0, 0)) and answers each tab's close box in client coordinates (empty
// rectangles without close boxes).
std::vector<RECT> PaintTabControl(HDC dc, const RECT& rect, const TTabLook& look);

class TSkinTab : public TSkinTabBase {
    VELMORA_CLASS()
public:
    TTabSide Side() const { return side_; }
    bool CloseBoxes() const { return closeBoxes_; }
    // Each tab's close box as last painted (client coordinates).
    const std::vector<RECT>& CloseRects() const { return closeRects_; }

protected:
    void OnAttach() override;
    void OnRestore() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    void BuildImages() override;
    bool WantsCloseBoxes() const;
    bool ClickCloseBox(POINT at);
    TTabLook Look(const RECT& rect) const;

    TTabSide side_ = TTabSide::Top;
    TPixelBitmap tabImage_;
    TSkinMargins tabMargins_;
    TPixelBitmap paneImage_;
    TSkinMargins paneMargins_;
    bool closeBoxes_ = false;
    std::vector<RECT> closeRects_;
};
