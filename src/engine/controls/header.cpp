#include "engine/controls/header.h"

#include "core/skin_model.h"
#include "engine/element_frames.h"
#include "engine/win_skin_form.h"
#include "toolkit/colours.h"
#include "toolkit/gdi_objects.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr int kItemInset = 3; // a column's hot area leaves its dividers out
constexpr int kTextMax = 200; // longer captions are cut
constexpr UINT kMeasure = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP;

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

SIZE ImageSize(const THeaderItemLook& item, HIMAGELIST images) {
    const bool hasImage = (item.Format & (HDF_IMAGE | HDF_OWNERDRAW)) != 0;
    int cx = 0, cy = 0;
    if (!hasImage || item.Image == -1 || !images || !ImageList_GetIconSize(images, &cx, &cy))
        return SIZE{0, 0};
    if (cx >= Width(item.Rect)) return SIZE{0, 0};
    return SIZE{cx, cy};
}

void DrawContent(HDC dc, const THeaderItemLook& item, const THeaderLook& look) {
    if (item.Text.empty()) return;
    const RECT& r = item.Rect;
    const SIZE image = ImageSize(item, look.Images);
    const int length = static_cast<int>(item.Text.size());
    RECT text{0, 0, Width(r), Height(r)};
    DrawTextW(dc, item.Text.c_str(), length, &text, kMeasure);
    const int x = HeaderContentLeft(item.Format, Width(r), image.cx, Width(text));
    // The image is centred by its own height.
    if (image.cx > 0)
        ImageList_Draw(look.Images, item.Image, dc, r.left + x, r.top + (Height(r) - image.cy) / 2,
                       ILD_TRANSPARENT);
    const int top = r.top + (Height(r) - Height(text)) / 2;
    RECT box{r.left + x + image.cx, top, r.right, top + Height(text)};
    box.left = std::max(box.left, r.left);
    UINT flags = DT_END_ELLIPSIS | DT_EXPANDTABS;
    if (look.RightToLeft) flags |= DT_RTLREADING;
    DrawTextW(dc, item.Text.c_str(), length, &box, flags);
}

} // namespace

int HeaderContentLeft(int format, int itemWidth, int imageWidth, int textWidth) {
    int x = 3;
    switch (format & 0xFF & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
        x = itemWidth - imageWidth - textWidth - 2;
        break;
    case HDF_CENTER:
        x = (itemWidth - imageWidth - textWidth) / 2;
        break;
    default:
        break;
    }
    return x < 2 ? 1 : x;
}

void PaintHeader(HDC dc, const RECT& rect, const THeaderLook& look) {
    if (!look.Bar) return;
    TSavedDC saved(dc);
    if (look.Font) SelectObject(dc, look.Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.TextColour);
    int right = rect.left;
    for (const THeaderItemLook& item : look.Items) {
        if (IsRectEmpty(&item.Rect)) continue;
        DrawElementFrame(dc, item.Rect, *look.Bar, item.Hot ? hfHot : hfNormal, look.Frames);
        TSavedDC clip(dc);
        IntersectClipRect(dc, item.Rect.left, item.Rect.top, item.Rect.right, item.Rect.bottom);
        DrawContent(dc, item, look);
        right = std::max(right, static_cast<int>(item.Rect.right));
    }
    if (right < rect.right)
        DrawElementFrame(dc, RECT{right, rect.top, rect.right, rect.bottom}, *look.Bar, hfNormal,
                         look.Frames);
}

const TClassInfo& TSkinHeader::StaticClass() {
    static const TClassInfo info(L"TSkinHeader", &TSkinControl::StaticClass());
    return info;
}

void TSkinHeader::OnAttach() {
    hotItem_ = -1;
}

bool TSkinHeader::HasBar() const {
    return Skin().Headerbar && !Skin().Headerbar->Bitmap.Empty();
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
    if (m.Msg == WM_PAINT) {
        PaintMessage(m);
        return false;
    }
    if (m.Msg == WM_ERASEBKGND && HasBar()) {
        m.Result = 1; // the paint covers everything
        return false;
    }
    return TSkinControl::BeforeMessage(m);
}

void TSkinHeader::AfterMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        TrackHot(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        break;
    case WM_MOUSELEAVE:
        hotItem_ = -1;
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(m);
        break;
    }
}

// A point on a divider (in no column's narrowed rectangle) keeps the
// column that was hot.
void TSkinHeader::TrackHot(POINT at) {
    for (size_t i = 0; i < itemRects_.size(); ++i) {
        if (!PtInRect(&itemRects_[i], at)) continue;
        if (static_cast<int>(i) != hotItem_) {
            hotItem_ = static_cast<int>(i);
            Repaint();
        }
        break;
    }
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&track);
}

THeaderLook TSkinHeader::Look() const {
    THeaderLook look;
    look.Bar = Skin().Headerbar.get();
    look.Frames = &Form().ElementFrames();
    look.Font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    look.TextColour = Skin().ColourGiven[sciWindowText]
                          ? ColorToRGB(static_cast<TColor>(Skin().Colour(sciWindowText)))
                          : GetSysColor(COLOR_WINDOWTEXT);
    look.RightToLeft = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const int count = std::max(0, Header_GetItemCount(Handle()));
    for (int i = 0; i < count; ++i) {
        THeaderItemLook item;
        wchar_t text[kTextMax + 1] = {};
        HDITEMW info{};
        info.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        info.pszText = text;
        info.cchTextMax = kTextMax + 1;
        if (SendMessageW(Handle(), HDM_GETITEMW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&info))) {
            item.Text = text;
            item.Format = info.fmt;
            item.Image = info.iImage;
        }
        if (!Header_GetItemRect(Handle(), i, &item.Rect)) item.Rect = RECT{};
        item.Hot = i == hotItem_;
        look.Items.push_back(item);
    }
    // Every question travels through the header's hooks; the image list only
    // matters to a column that shows an image.
    const bool images = std::any_of(look.Items.begin(), look.Items.end(), [](const auto& item) {
        return (item.Format & (HDF_IMAGE | HDF_OWNERDRAW)) != 0;
    });
    if (images) look.Images = Header_GetImageList(Handle());
    return look;
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
    if (!HasBar()) return;
    const THeaderLook look = Look();
    itemRects_.clear();
    for (const THeaderItemLook& item : look.Items) {
        RECT hot = item.Rect;
        if (!IsRectEmpty(&hot)) InflateRect(&hot, -kItemInset, 0);
        itemRects_.push_back(hot);
    }
    PaintBuffered(dc, rect, [&](HDC buffer) { PaintHeader(buffer, rect, look); });
}
