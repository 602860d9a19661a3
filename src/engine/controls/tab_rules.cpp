#include "engine/controls/tab_rules.h"

#include "core/image_utils.h"
#include "core/skin_elements.h"
#include "engine/skin_draw.h"
#include "toolkit/colours.h"

#include <algorithm>
#include <cwchar>
#include <utility>
#include <vector>

namespace {

constexpr int kDisplayGrowth = 4;
constexpr size_t kFirstTextRoom = 128;
constexpr size_t kMostTextRoom = size_t(1) << 16;
constexpr UINT kMeasureFlags =
    DT_END_ELLIPSIS | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK;
constexpr UINT kTextFlags = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_WORDBREAK;

// What a quarter turn to the left (counter-clockwise) does to the edges.
TSkinMargins TurnedLeft(const TSkinMargins& m) {
    return {m.Top, m.Right, m.Bottom, m.Left};
}
TSkinMargins TurnedRight(const TSkinMargins& m) {
    return {m.Bottom, m.Left, m.Top, m.Right};
}

} // namespace

TTabSide TabSideOf(DWORD style) {
    if (style & TCS_VERTICAL) return (style & TCS_RIGHT) ? TTabSide::Right : TTabSide::Left;
    return (style & TCS_BOTTOM) ? TTabSide::Bottom : TTabSide::Top;
}

RECT TabDisplayArea(const RECT& adjusted, TTabSide side) {
    RECT r = adjusted;
    InflateRect(&r, kDisplayGrowth, kDisplayGrowth);
    switch (side) {
    case TTabSide::Top:
        ++r.top;
        break;
    case TTabSide::Bottom:
        --r.bottom;
        break;
    case TTabSide::Left:
        ++r.left;
        break;
    case TTabSide::Right:
        --r.right;
        break;
    }
    return r;
}

RECT TabStripRect(const RECT& rect, const RECT& display, TTabSide side) {
    switch (side) {
    case TTabSide::Top:
        return {rect.left, rect.top, rect.right, display.top};
    case TTabSide::Bottom:
        return {rect.left, display.bottom, rect.right, rect.bottom};
    case TTabSide::Left:
        return {rect.left, rect.top, display.left, rect.bottom};
    case TTabSide::Right:
        return {display.right, rect.top, rect.right, rect.bottom};
    }
    return rect;
}

SIZE TabStripBufferSize(const RECT& strip, TTabSide side) {
    const LONG w = std::max(0L, strip.right - strip.left);
    const LONG h = std::max(0L, strip.bottom - strip.top);
    const bool lying = side == TTabSide::Top || side == TTabSide::Bottom;
    return lying ? SIZE{w, h} : SIZE{h, w};
}

// Top and bottom tabs reach 1 pixel further towards the page, over the
// frame's edge; the turned sides follow the buffer's turn back.
RECT TabRectInStrip(const RECT& item, TTabSide side, const RECT& strip) {
    RECT r = item;
    OffsetRect(&r, -strip.left, -strip.top);
    const LONG along = strip.bottom - strip.top;
    switch (side) {
    case TTabSide::Top:
        OffsetRect(&r, 0, 1);
        return r;
    case TTabSide::Bottom:
        OffsetRect(&r, 0, -1);
        return r;
    case TTabSide::Left:
        return {along - r.bottom, r.left, along - r.top, r.right};
    case TTabSide::Right:
        return {r.top - 1, strip.right - item.right, r.bottom - 1, strip.right - item.left};
    }
    return r;
}

RECT StripRectToClient(const RECT& b, TTabSide side, const RECT& strip) {
    const LONG along = strip.bottom - strip.top;
    RECT r = b;
    switch (side) {
    case TTabSide::Top:
    case TTabSide::Bottom:
        OffsetRect(&r, strip.left, strip.top);
        return r;
    case TTabSide::Left:
        return {strip.left + b.top, strip.top + along - b.right, strip.left + b.bottom,
                strip.top + along - b.left};
    case TTabSide::Right:
        return {strip.right - b.bottom, strip.top + b.left, strip.right - b.top,
                strip.top + b.right};
    }
    return r;
}

void TurnTabImage(TPixelBitmap& image, TSkinMargins& margins, TTabSide side) {
    if (side != TTabSide::Bottom) return;
    FlipBitmap(image);
    std::swap(margins.Top, margins.Bottom);
}

void TurnPaneImage(TPixelBitmap& image, TSkinMargins& margins, TTabSide side) {
    switch (side) {
    case TTabSide::Top:
        break;
    case TTabSide::Bottom:
        FlipBitmap(image);
        std::swap(margins.Top, margins.Bottom);
        break;
    case TTabSide::Left:
        RotateLeft(image);
        margins = TurnedLeft(margins);
        break;
    case TTabSide::Right:
        RotateRight(image);
        margins = TurnedRight(margins);
        break;
    }
}

void TurnStripBack(TPixelBitmap& strip, TTabSide side) {
    if (side == TTabSide::Left) RotateLeft(strip);
    if (side == TTabSide::Right) RotateRight(strip);
}

RECT TabCloseBox(const RECT& tab) {
    return {tab.right - 8, tab.top + 2, tab.right - 2, tab.top + 8};
}

// The message has no way to ask for the text's length: the room doubles
// until the text comes back shorter than it.
bool ReadTabItem(HWND tabs, int index, TTabItem& item) {
    std::vector<wchar_t> room(kFirstTextRoom);
    for (;;) {
        TCITEMW tc{};
        tc.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
        tc.pszText = room.data();
        tc.cchTextMax = static_cast<int>(room.size());
        room[0] = L'\0';
        if (!SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&tc))) return false;
        const wchar_t* text = tc.pszText ? tc.pszText : L"";
        const size_t length = wcsnlen(text, room.size());
        if (length + 1 < room.size() || room.size() >= kMostTextRoom) {
            item.Text.assign(text, length);
            item.Image = tc.iImage;
            return true;
        }
        room.assign(room.size() * 2, L'\0');
    }
}

void ExcludeChildWindows(HDC dc, HWND window) {
    RECT self{};
    if (!GetWindowRect(window, &self)) return;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        if (!IsWindowVisible(child) || !GetWindowRect(child, &r)) continue;
        ExcludeClipRect(dc, r.left - self.left, r.top - self.top, r.right - self.left,
                        r.bottom - self.top);
    }
}

TTabItems ReadTabItems(HWND tabs) {
    TTabItems t;
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TTabItem item;
        RECT r{};
        if (!ReadTabItem(tabs, i, item) ||
            !SendMessageW(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)))
            r = RECT{};
        t.Items.push_back(std::move(item));
        t.Rects.push_back(r);
    }
    t.Focus = static_cast<int>(SendMessageW(tabs, TCM_GETCURFOCUS, 0, 0));
    t.Images = reinterpret_cast<HIMAGELIST>(SendMessageW(tabs, TCM_GETIMAGELIST, 0, 0));
    t.Font = reinterpret_cast<HFONT>(SendMessageW(tabs, WM_GETFONT, 0, 0));
    t.Enabled = IsWindowEnabled(tabs) != FALSE;
    t.RightToLeft = (GetWindowLongPtrW(tabs, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    return t;
}

RECT TabAdjustedRect(HWND tabs, int width, int height) {
    RECT r{0, 0, width, height};
    SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    return r;
}

TTabItemPlaces PlaceTabItem(const RECT& rect, TTabAlign align, SIZE imageSize, bool hasImage,
                            SIZE textSize) {
    TTabItemPlaces p;
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    p.ShowImage = hasImage && imageSize.cx < width;
    const SIZE image = p.ShowImage ? imageSize : SIZE{0, 0};
    LONG x = 3;
    if (align == TTabAlign::Centre) x = (width - image.cx - textSize.cx) / 2;
    if (align == TTabAlign::Right) x = width - image.cx - textSize.cx - 2;
    if (x < 2) x = 1;
    p.Image = {rect.left + x, rect.top + (height - image.cy) / 2};
    const LONG left = rect.left + x + image.cx, top = rect.top + (height - textSize.cy) / 2;
    p.Text = {std::max(left, rect.left), top, std::min(left + textSize.cx, rect.right),
              top + textSize.cy};
    return p;
}

void DrawTabItem(HDC dc, const RECT& rect, TTabAlign align, const TTabItem& item, HIMAGELIST images,
                 bool enabled, bool rightToLeft) {
    int cx = 0, cy = 0;
    const bool hasImage = item.Image != -1 && images && ImageList_GetIconSize(images, &cx, &cy);
    SIZE text{0, 0};
    if (!item.Text.empty()) {
        RECT calc{0, 0, std::max(1L, rect.right - rect.left), 0};
        DrawTextW(dc, item.Text.c_str(), static_cast<int>(item.Text.size()), &calc, kMeasureFlags);
        text = {calc.right - calc.left, calc.bottom - calc.top};
    }
    const TTabItemPlaces p = PlaceTabItem(rect, align, SIZE{cx, cy}, hasImage, text);
    if (p.ShowImage) ImageList_Draw(images, item.Image, dc, p.Image.x, p.Image.y, ILD_TRANSPARENT);
    if (item.Text.empty()) return;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour =
        enabled ? GetTextColor(dc) : SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    RECT box = p.Text;
    DrawTextW(dc, item.Text.c_str(), static_cast<int>(item.Text.size()), &box,
              kTextFlags | (rightToLeft ? DT_RTLREADING : 0));
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

void DrawTabFace(HDC dc, const RECT& rect, const TPixelBitmap& image, const TSkinMargins& margins,
                 const TDataSkinObject& element, int frame) {
    DrawSkinRect(dc, rect, TSkinFrame{&image, frame, element.FrameCount}, margins,
                 TStripAxis::Horizontal, element.Fill(),
                 element.Trans ? TKeyColour::Transparent : TKeyColour::Opaque);
}

COLORREF TabTextColour(TColour colour) {
    return ColorToRGB(static_cast<TColor>(colour));
}
