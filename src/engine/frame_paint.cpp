#include "engine/win_skin_form.h"

#include "engine/caption_layout.h"
#include "engine/platform_api.h"
#include "engine/scratch_bitmap.h"
#include "engine/menus/win_skin_menu.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
#include "toolkit/caught_errors.h"

#include "core/bitmap_region.h"
#include "core/element_layout.h"

#include <algorithm>
#include <string>

namespace {

// Room to spare in the frame's off-screen bitmaps, so that a window growing
// a few pixels at a time does not make a new DIB section for every step.
constexpr int kSpareLength = 64;

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    TBrushHandle brush(CreateSolidBrush(colour));
    if (brush) FillRect(dc, &r, brush.Get());
}

} // namespace

const TDataSkinBorder& TWinSkinForm::BorderRecord(int part) const {
    const TSkinModel& skin = *Skin();
    switch (part) {
    case bpLeft:
        return skin.Left;
    case bpRight:
        return skin.Right;
    case bpTop:
        return skin.Top;
    default:
        return skin.Bottom;
    }
}

void TWinSkinForm::DropBorderCache() {
    for (auto& entry : borderCache_)
        entry = TBorderCache{};
    for (auto& entry : borderPixels_)
        entry = TBorderPixels{};
    captionBar_ = TCaptionBarCache{};
}

const TPixelBitmap& TWinSkinForm::BorderPixels(int part, int width, int height) {
    const TDataSkinBorder& record = BorderRecord(part);
    const int frame = record.BorderFrame(active_);
    TBorderPixels& entry = borderPixels_[std::clamp(part, 1, 4) - 1];
    if (entry.Record == &record && entry.Width == width && entry.Height == height &&
        entry.Frame == frame)
        return entry.Pixels;
    entry.Pixels = BuildSkinBitmap(width, height, record.Frame(frame), record.Margins(),
                                   StripAxisOf(*Skin(), record), CentreFillOf(*Skin(), record));
    entry.Width = width;
    entry.Height = height;
    entry.Frame = frame;
    entry.Record = &record;
    return entry.Pixels;
}

const TBitmap* TWinSkinForm::ComposedBorder(int part, int width, int height) {
    const TDataSkinBorder& record = BorderRecord(part);
    const int frame = record.BorderFrame(active_);
    // Without the region the pixels it would cut out are on the screen:
    // they take their neighbours' colours instead of the key's.
    const bool filled = record.Trans == 1 && RegionSuspended;
    TBorderCache& entry = borderCache_[std::clamp(part, 1, 4) - 1];
    if (entry.Bitmap && entry.Width == width && entry.Height == height && entry.Frame == frame &&
        entry.Record == &record && entry.Filled == filled)
        return entry.Bitmap.get();
    const bool vertical = part == bpTop || part == bpBottom;
    const TPixelBitmap& composed = BorderPixels(part, width, height);
    TPixelBitmap filledPixels;
    if (filled) {
        filledPixels = composed;
        FillTransparentPixels(filledPixels, TRegionKey{kKeyColour, kBorderKeyTolerance,
                                                       kBorderKeyTolerance, kBorderKeyTolerance});
    }
    const TPixelBitmap& pixels = filled ? filledPixels : composed;
    // A drag changes the size on every step: the bitmap is reused while it is
    // large enough, and grows with room to spare along the part's length.
    if (pixels.Empty()) {
        entry.Bitmap.reset();
    } else if (!entry.Bitmap || !CopyIntoBitmap(*entry.Bitmap, pixels)) {
        entry.Bitmap = std::make_unique<TBitmap>();
        if (!entry.Bitmap->SetSize(width + (vertical ? kSpareLength : 0),
                                   height + (vertical ? 0 : kSpareLength)) ||
            !CopyIntoBitmap(*entry.Bitmap, pixels))
            entry.Bitmap.reset();
    }
    entry.Width = width;
    entry.Height = height;
    entry.Frame = frame;
    entry.Record = &record;
    entry.Filled = filled;
    return entry.Bitmap.get();
}

void TWinSkinForm::PaintBorderPart(int part, const RECT& rect, HDC dc) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width < 0 || height < 0 || !dc || !skinData_) return;
    const TBitmap* image = ComposedBorder(part, width, height);
    if (!image || image->Empty()) return;
    BitBlt(dc, rect.left, rect.top, width, height, image->DC(), 0, 0, SRCCOPY);
}

void TWinSkinForm::HandleNCPaint(TMessage& m) {
    SetSysMenuStyle(true);
    if (skinData_ && skinData_->FrameFlag) {
        if ((traits_.FormKind == fkMDIChild && windowState_ == wsMaximized) ||
            traits_.BorderKind == bkNone) {
            Default(m);
            return;
        }
        PaintFrame(nullptr);
    }
    m.Result = 0;
}

void TWinSkinForm::PaintFrame(HDC dc) {
    if (!ScratchBitmap() || !skinData_ || !handle_) return;
    if (skinState_ != ssSkinned && skinState_ != ssReapplying) return;
    if (traits_.BorderKind == bkNone ||
        (traits_.FormKind == fkMDIChild && windowState_ == wsMaximized))
        return;
    if (!dc) {
        // A caller's DC (SKINMSG_PAINTNC) is painted as given; otherwise
        // the window's own.
        TWindowDC own(handle_, true);
        if (own) PaintFrame(own.Get());
        return;
    }
    try {
        GetWindowRect(handle_, &WindowRect);
        const int w = WindowRect.right - WindowRect.left, h = WindowRect.bottom - WindowRect.top;
        WindowWidth = w;
        WindowHeight = h;
        if (windowState_ == wsMinimized || IsIconic(handle_)) {
            PaintTitle(dc);
        } else {
            PaintBorderPart(bpLeft, RECT{0, 0, BorderLeft, h}, dc);
            PaintBorderPart(bpRight, RECT{w - BorderRight, 0, w, h}, dc);
            PaintBorderPart(bpBottom, RECT{BorderLeft, h - BorderBottom, w - BorderRight, h}, dc);
            PaintTitle(dc);
            const RECT strip{BorderLeft, BorderTop, w - BorderRight, BorderTop + MenuHeight};
            if (menuBar_)
                PaintMenuBar(dc, strip);
            else if (MenuHeight > 0)
                FillSolid(dc, strip, Skin()->Colour(sciButtonFace));
        }
    } catch (...) {
        // A frame that cannot be painted stays as it was; the window goes on.
        RecordCaughtError("frame paint");
    }
    hotObject_ = nullptr;
}

void TWinSkinForm::PaintTitle(HDC dc) {
    const int w = WindowWidth, h = WindowHeight;
    const bool minimized = windowState_ == wsMinimized || IsIconic(handle_);
    const int bufferHeight = minimized ? h : BorderTop;
    if (w <= 0 || bufferHeight <= 0) return;
    if (TitleBuffer.Width() < w || TitleBuffer.Height() != bufferHeight)
        if (!TitleBuffer.SetSize(w + kSpareLength, bufferHeight)) return;
    HDC buffer = TitleBuffer.DC();
    RECT p{};
    if (minimized) {
        FillSolid(buffer, RECT{0, 0, w, h}, Skin()->Colour(sciButtonFace));
        p = RECT{0, 0, w, BorderTop};
    } else {
        // The whole strip goes back in one blit, so it must carry the tops of
        // the side borders painted just before. Their cached composites hold
        // those pixels; reading the screen back is the slow fallback.
        if (!SeedTitleFromSides(buffer, w, bufferHeight))
            BitBlt(buffer, 0, 0, w, bufferHeight, dc, 0, 0, SRCCOPY);
        p = RECT{BorderLeft, 0, w - BorderRight, BorderTop};
    }
    PaintBorderPart(bpTop, p, buffer);
    // Where everything goes is settled before anything is drawn on it.
    LayoutCaption(buffer, p);
    PaintCaptionText(buffer, p);
    PaintSysButtons(TitleBuffer.Canvas());
    BitBlt(dc, 0, 0, w, bufferHeight, buffer, 0, 0, SRCCOPY);
    SetBkMode(dc, OPAQUE);
}

bool TWinSkinForm::SeedTitleFromSides(HDC buffer, int w, int height) {
    if (WindowHeight < height || BorderLeft < 0 || BorderRight < 0) return false;
    const TBitmap* left =
        BorderLeft > 0 ? ComposedBorder(bpLeft, BorderLeft, WindowHeight) : nullptr;
    const TBitmap* right =
        BorderRight > 0 ? ComposedBorder(bpRight, BorderRight, WindowHeight) : nullptr;
    if ((BorderLeft > 0 && (!left || left->Empty())) ||
        (BorderRight > 0 && (!right || right->Empty())))
        return false;
    if (left) BitBlt(buffer, 0, 0, BorderLeft, height, left->DC(), 0, 0, SRCCOPY);
    if (right) BitBlt(buffer, w - BorderRight, 0, BorderRight, height, right->DC(), 0, 0, SRCCOPY);
    return true;
}

HFONT TWinSkinForm::CaptionFontHandle() const {
    if (CaptionFont) return CaptionFont.Get();
    if (HFONT font = skinData_ ? skinData_->SystemCaptionFont() : nullptr) return font;
    // A DC's own default is a bitmap font without Chinese glyphs.
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

std::wstring TWinSkinForm::CaptionString() {
    return CaptionPrefix + WindowCaption() + CaptionSuffix;
}

void TWinSkinForm::LayoutCaption(HDC dc, const RECT& strip) {
    UpdateButtonStates();
    ButtonReserve = RightButtonReserve();
    captionTextRect_ = MeasureCaptionText(dc, strip);
    PlaceSysButtons();
}

RECT TWinSkinForm::MeasureCaptionText(HDC dc, const RECT& strip) {
    const TDataSkinTitle& title = Skin()->Title;
    const std::wstring text = CaptionString();
    TSelectObject keepFont(dc, CaptionFontHandle());
    RECT r = strip;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
    r.right += title.TextBackLeft + title.TextBackRight;
    TCaptionTextFacts facts;
    facts.RightToLeft = traits_.RightToLeft;
    facts.Popup = (GetWindowLongW(handle_, GWL_STYLE) & WS_POPUP) != 0;
    facts.BorderKind = traits_.BorderKind;
    facts.ButtonReserve = ButtonReserve;
    return PlaceCaptionText(title, r, strip, facts);
}

void TWinSkinForm::PaintCaptionText(HDC dc, const RECT& p) {
    if (!skinData_) return;
    const TSkinModel& skin = *Skin();
    const TDataSkinTitle& title = skin.Title;
    const std::wstring text = CaptionString();
    TSelectObject keepFont(dc, CaptionFontHandle());
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour =
        SetTextColor(dc, skin.Colour(active_ ? sciTitleTextActive : sciTitleTextNoActive));

    RECT r = captionTextRect_;
    DrawCaptionBar(dc, r, p);

    r.left += title.TextBackLeft;
    r.right -= title.TextBackRight;
    UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (traits_.RightToLeft) flags |= DT_RIGHT | DT_RTLREADING;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);

    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

int TWinSkinForm::RightButtonReserve() const {
    int reserve = 0;
    for (const auto& owned : sysButtons_) {
        const TWinSysButton& button = *owned;
        if (button.Visible && button.Element && button.Element->Align == calRightEdge &&
            !button.Image().Empty())
            reserve = std::max(reserve, static_cast<int>(button.Element->XCoord));
    }
    return reserve;
}

void TWinSkinForm::DrawCaptionBar(HDC dc, const RECT& r, const RECT& p) {
    const TDataSkinTitle& title = Skin()->Title;
    if (title.Bitmap.Empty() || r.right < r.left || p.bottom < p.top) return;
    const int barWidth = r.right - r.left, barHeight = p.bottom - p.top;
    const int frame = active_ ? 1 : 2;
    if (captionBar_.Width != barWidth || captionBar_.Height != barHeight ||
        captionBar_.Frame != frame) {
        captionBar_.Image = MaskedSkinBar(
            barWidth, barHeight, TSkinFrame{&title.Bitmap, frame, 2},
            TSkinMargins{title.TextBackLeft, 0, title.TextBackRight, 0}, TStripAxis::Vertical);
        captionBar_.Width = barWidth;
        captionBar_.Height = barHeight;
        captionBar_.Frame = frame;
    }
    DrawMasked(dc, r.left, p.top, captionBar_.Image);
}

const std::wstring& TWinSkinForm::WindowCaption() {
    if (!captionTextRead_) {
        captionText_ = WindowTextOf(handle_);
        captionTextRead_ = true;
    }
    return captionText_;
}
