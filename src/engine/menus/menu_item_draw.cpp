#include "engine/menus/menu_item_draw.h"

#include "core/skin_elements.h"
#include "engine/menus/menu_item_text.h"
#include "engine/element_frames.h"
#include "engine/skin_draw.h"
#include "toolkit/bitmap.h"
#include "toolkit/gdi_objects.h"

#include <algorithm>

namespace {

constexpr int kGlyphSize = 16;
constexpr int kShortcutRightGap = 11;

struct TGlyphBox {
    int Left = 0, Right = 0, Top = 0;
};

int GlyphSize(const TMenuItemPicture& item, const TMenuItemLook& look) {
    int size = kGlyphSize;
    if (look.Images && item.Image >= 0) {
        int cx = 0, cy = 0;
        if (ImageList_GetIconSize(look.Images, &cx, &cy)) size = cx;
    }
    return item.Checked ? std::max(size, kGlyphSize) : size;
}

int RecordLeft(const TMenuItemLook& look) {
    return look.Record ? look.Record->LeftWidth : 0;
}

TGlyphBox GlyphBoxOf(const RECT& r, const TMenuItemPicture& item, const TMenuItemLook& look) {
    const int size = GlyphSize(item, look);
    if (item.RightToLeft) {
        if (item.Separator()) return {r.right, r.right, r.top + 1};
        const int right = r.right - 1 - RecordLeft(look);
        return {right - size, right, r.top + 1};
    }
    if (item.Separator()) return {0, 0, r.top + 1};
    const int left = r.left + 1 + RecordLeft(look);
    return {left, left + size, r.top + 1};
}

// The background the popup window shows under the item, where it has one.
void PaintBackground(HDC dc, const RECT& local, const RECT& rect, const TMenuItemLook& look) {
    TBrushHandle menu(CreateSolidBrush(look.Menu));
    FillRect(dc, &local, menu.Get());
    if (!look.Background || look.Background->Empty()) return;
    // A scrolling menu's items may lie partly outside the background.
    RECT source = rect;
    OffsetRect(&source, look.BackgroundOffset.x, look.BackgroundOffset.y);
    const RECT whole{0, 0, look.Background->Width(), look.Background->Height()};
    RECT part{};
    if (!IntersectRect(&part, &source, &whole)) return;
    BitBlt(dc, part.left - source.left, part.top - source.top, part.right - part.left,
           part.bottom - part.top, look.Background->DC(), part.left, part.top, SRCCOPY);
}

// Frame 2 of the strip: caps unscaled, the middle stretched; an item lower
// than the image takes its bottom rows. Margins wider than the item share
// what there is.
void PaintSeparatorFrame(HDC dc, const RECT& local, const TDataSkinObject& record) {
    const TPixelBitmap& strip = record.Bitmap;
    const int fw = strip.Width() / 5, ih = strip.Height();
    const int w = local.right - local.left, h = local.bottom - local.top;
    if (fw <= 0 || ih <= 0 || w <= 0 || h <= 0) return;
    int left = std::max(0, record.LeftWidth), right = std::max(0, record.RightWidth);
    if (left + right > w) {
        left = left + right > 0 ? w * left / (left + right) : 0;
        right = w - left;
    }
    left = std::min(left, fw);
    right = std::min(right, fw - left);
    const int middle = w - left - right, sourceMiddle = fw - left - right;
    TPixelBitmap out(w, h, kKeyColour);
    for (int y = 0; y < h; ++y) {
        const int sy = h <= ih ? ih - h + y : y * ih / h;
        for (int x = 0; x < w; ++x) {
            int sx;
            if (x < left)
                sx = x;
            else if (x >= w - right)
                sx = fw - (w - x);
            else
                sx = left + (middle > 0 ? (x - left) * std::max(sourceMiddle, 1) / middle : 0);
            out.SetPixel(x, y, strip.Pixel(fw + std::clamp(sx, 0, fw - 1), sy));
        }
    }
    DrawTransparent(dc, local, out);
}

void PaintCheckMark(HDC dc, const TGlyphBox& box, const RECT& r, const TMenuItemLook& look) {
    if (!look.Check) return;
    const int w = look.CheckSize.cx, h = look.CheckSize.cy;
    const int x = box.Left + (box.Right - box.Left - w) / 2;
    const int y = r.top + (r.bottom - r.top - h) / 2 + 1;
    TMemoryDC source(CreateCompatibleDC(dc));
    TSelectObject keepBitmap(source.Get(), look.Check);
    TBrushHandle ink(CreateSolidBrush(GetSysColor(COLOR_BTNTEXT)));
    TSelectObject keepBrush(dc, ink.Get());
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    // Where the mark's bitmap is white the item stays; where black, the ink.
    BitBlt(dc, x, y, w, h, source.Get(), 0, 0, 0x00B8074A);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

void PaintGlyph(HDC dc, const TGlyphBox& box, const RECT& r, const TMenuItemPicture& item,
                const TMenuItemLook& look) {
    const bool image =
        look.Images && item.Image >= 0 && item.Image < ImageList_GetImageCount(look.Images);
    if (image) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(look.Images, &cx, &cy);
        int top = box.Top + (r.bottom - r.top - 2 - cy) / 2;
        if (item.Checked) {
            RECT sunk{box.Left, r.top + (r.bottom - r.top - kGlyphSize) / 2, box.Left + kGlyphSize,
                      0};
            sunk.bottom = sunk.top + kGlyphSize;
            if (look.Dither) FillRect(dc, &sunk, look.Dither);
            DrawEdge(dc, &sunk, BDR_SUNKENOUTER, BF_RECT);
            top = sunk.top + (kGlyphSize - cy) / 2;
        }
        ImageList_Draw(look.Images, item.Image, dc, box.Left, top,
                       item.Disabled ? (ILD_TRANSPARENT | ILD_BLEND50) : ILD_TRANSPARENT);
        return;
    }
    if (item.Checked) PaintCheckMark(dc, box, r, look);
}

void PaintText(HDC dc, RECT area, const TMenuItemPicture& item, const TMenuItemLook& look) {
    if (item.Separator()) {
        if (!item.Raw) return;
        RECT line{area.left, area.top + 4, area.right, area.top + 6};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const TCaptionParts parts = SplitCaption(item.Text);
    TSelectObject font(dc, item.Default && look.Bold ? look.Bold : look.Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, MenuTextColour(item, look));
    const UINT rtl = item.RightToLeft ? (DT_RIGHT | DT_RTLREADING) : 0;
    std::wstring caption = parts.Caption;
    if (caption.empty() || caption == L"&") caption += L' ';
    RECT measured = area;
    DrawTextW(dc, caption.c_str(), -1, &measured,
              DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | rtl);
    const int dy = ((area.bottom - area.top) - (measured.bottom - measured.top)) / 2;
    RECT text = area;
    OffsetRect(&text, 0, dy);
    text.bottom = text.top + (measured.bottom - measured.top);
    DrawTextW(dc, caption.c_str(), -1, &text, DT_EXPANDTABS | DT_SINGLELINE | rtl);
    if (parts.Shortcut.empty()) return;
    RECT shortcut = text;
    if (item.RightToLeft) {
        shortcut.left = area.left + kShortcutRightGap - 1;
        shortcut.right = text.right - (measured.right - measured.left);
        DrawTextW(dc, parts.Shortcut.c_str(), -1, &shortcut, DT_SINGLELINE);
    } else {
        shortcut.left = text.left + (measured.right - measured.left);
        shortcut.right = area.right + 1 - kShortcutRightGap;
        DrawTextW(dc, parts.Shortcut.c_str(), -1, &shortcut, DT_SINGLELINE | DT_RIGHT);
    }
}

void PaintContent(HDC dc, const RECT& r, const TMenuItemPicture& item, const TMenuItemLook& look) {
    const TGlyphBox box = GlyphBoxOf(r, item, look);
    if (!item.Separator()) PaintGlyph(dc, box, r, item, look);
    RECT area = item.RightToLeft ? RECT{r.left + 1, r.top, box.Left - 3, r.bottom}
                                 : RECT{box.Right + 3, r.top, r.right - 1, r.bottom};
    PaintText(dc, area, item, look);
}

} // namespace

COLORREF MenuTextColour(const TMenuItemPicture& item, const TMenuItemLook& look) {
    if (!item.Disabled) return item.Selected ? look.HilightText : look.MenuText;
    return look.ButtonShadow == look.MenuText ? GetSysColor(COLOR_BTNSHADOW) : look.ButtonShadow;
}

void PaintMenuItem(HDC dc, const RECT& rect, const TMenuItemPicture& item,
                   const TMenuItemLook& look) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    TBitmap own;
    TBitmap& buffer = look.Buffer ? *look.Buffer : own;
    if ((buffer.Width() < w || buffer.Height() < h) &&
        !buffer.SetSize(std::max(buffer.Width(), w), std::max(buffer.Height(), h)))
        return;
    const HDC into = buffer.DC();
    const RECT local{0, 0, w, h};
    if (!look.Record) {
        TBrushHandle fill(CreateSolidBrush(item.Selected ? look.Hilight : look.Menu));
        FillRect(into, &local, fill.Get());
        PaintContent(into, local, item, look);
    } else {
        PaintBackground(into, local, rect, look);
        if (item.Separator() && !item.Raw) {
            PaintSeparatorFrame(into, local, *look.Record);
        } else {
            DrawElementFrame(into, local, *look.Record, item.Selected ? 4 : 1, look.Frames);
            PaintContent(into, local, item, look);
        }
    }
    BitBlt(dc, rect.left, rect.top, w, h, into, 0, 0, SRCCOPY);
}
