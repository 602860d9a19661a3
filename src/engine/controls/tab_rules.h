#pragma once
// The rules the tab families share, as plain functions: which side a tab
// control's tabs stand on, where its strip lies, how a tab's rectangle maps
// into the strip's off-screen buffer (laid out lying down whatever the side)
// and back, how the skin's images are turned for the side, and how one tab's
// image and text are placed. Only ReadTabItem asks the window anything.
#include "core/nine_slice.h"
#include "core/pixel_bitmap.h"

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

enum class TTabSide { Top, Bottom, Left, Right };

// The side a tab control's style puts its tabs on.
TTabSide TabSideOf(DWORD style);
// The display area the skin frames: the platform's (from TCM_ADJUSTRECT)
// grown by 4 and moved 1 pixel towards the tabs.
RECT TabDisplayArea(const RECT& adjusted, TTabSide side);
// The part of `rect` outside the display area on the tabs' side.
RECT TabStripRect(const RECT& rect, const RECT& display, TTabSide side);
// The buffer the strip is drawn in: along the strip by across it.
SIZE TabStripBufferSize(const RECT& strip, TTabSide side);
// A tab's rectangle (client coordinates) in the strip buffer.
RECT TabRectInStrip(const RECT& item, TTabSide side, const RECT& strip);
// A rectangle of the strip buffer where it shows in client coordinates once
// the buffer is turned back for the side.
RECT StripRectToClient(const RECT& inBuffer, TTabSide side, const RECT& strip);

// Turns the tab image (and `margins` with it) for the side: flipped for
// bottom tabs; the strip is drawn lying down for left and right tabs, so
// they keep it as it is.
void TurnTabImage(TPixelBitmap& image, TSkinMargins& margins, TTabSide side);
// Turns the page frame image (and `margins` with it) for the side.
void TurnPaneImage(TPixelBitmap& image, TSkinMargins& margins, TTabSide side);
// Turns the drawn strip buffer so that it stands on the side.
void TurnStripBack(TPixelBitmap& strip, TTabSide side);

// The close box of a tab drawn in the strip buffer: 6 pixels square near
// the tab's top right corner.
RECT TabCloseBox(const RECT& tabInBuffer);

// What one tab shows.
struct TTabItem {
    std::wstring Text;
    int Image = -1;
};
// Reads tab `index` with the wide message, whatever its length; false when
// the control has no such tab.
bool ReadTabItem(HWND tabs, int index, TTabItem& item);

// Leaves the visible child windows of `window` out of `dc`'s clip region
// (`dc` drawing the window from its top-left), so that painting a control
// never blanks its children (the pages, the scroll arrows).
void ExcludeChildWindows(HDC dc, HWND window);

// What a tab control shows in its tabs, read off its window.
struct TTabItems {
    std::vector<TTabItem> Items;
    std::vector<RECT> Rects; // client coordinates; empty: the tab is skipped
    int Focus = -1;
    HIMAGELIST Images = nullptr;
    HFONT Font = nullptr;
    bool Enabled = true;
    bool RightToLeft = false;
};
TTabItems ReadTabItems(HWND tabs);
// The platform's display area of a tab control `width` x `height`.
RECT TabAdjustedRect(HWND tabs, int width, int height);

enum class TTabAlign { Left, Centre, Right };
// Where the image and the text of a tab go.
struct TTabItemPlaces {
    bool ShowImage = false;
    POINT Image{}; // top-left of the image
    RECT Text{};   // the text box
};
// The image stands centred across the tab by the image list's height; it is
// shown only when it is narrower than the tab. `textSize` is the measured
// text (0 x 0 for none).
TTabItemPlaces PlaceTabItem(const RECT& rect, TTabAlign align, SIZE imageSize, bool hasImage,
                            SIZE textSize);
// Draws a tab's image and text into `rect` (transparent background, the
// DC's font and text colour; disabled text in the button shadow colour).
void DrawTabItem(HDC dc, const RECT& rect, TTabAlign align, const TTabItem& item, HIMAGELIST images,
                 bool enabled, bool rightToLeft);

class TDataSkinObject;
// One tab's face: `frame` of `image` (a strip with the element's frame
// count) nine-sliced into `rect` with `margins` and the element's centre
// fill and key colour.
void DrawTabFace(HDC dc, const RECT& rect, const TPixelBitmap& image, const TSkinMargins& margins,
                 const TDataSkinObject& element, int frame);
// A skin state colour as GDI takes it.
COLORREF TabTextColour(TColour colour);
