#include "engine/win_skin_form.h"

#include "engine/region_from_bitmap.h"
#include "engine/skin_data.h"
#include "engine/skin_manager.h"

#include <algorithm>

namespace {

TRegionHandle RectRegion(const RECT& r) {
    return TRegionHandle(CreateRectRgn(r.left, r.top, r.right, r.bottom));
}

} // namespace

// The part's image at `rect` with its key-colour pixels cut out. Built from
// the same pixels the painter blits, so the outline matches what is shown.
static TRegionHandle PartRegion(const TDataSkinBorder& record, const RECT& rect, TStripAxis axis,
                                bool active) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return RectRegion(rect);
    const int frame = record.BorderFrame(active);
    const TPixelBitmap pixels = BuildSkinBitmap(width, height, record.Frame(frame),
                                                record.Margins(), axis, record.BorderFill());
    return CreateRegionFromBitmap(pixels, rect.left, rect.top, kBorderKeyTolerance,
                                  kBorderKeyTolerance, kBorderKeyTolerance, kSkinKeyColour);
}

void TWinSkinForm::UpdateRegion() {
    if (skinState_ == ssDestroyed || !SkinFrame || !handle_ || !skinData_) return;
    RECT window{};
    GetWindowRect(handle_, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    if (w <= 0 || h <= 0) return;
    const bool mdiChild = traits_.FormKind == fkMDIChild;
    if (mdiChild && windowState_ != wsNormal) return;
    if (w == RegionWidth && h == RegionHeight && !mdiChild && skinState_ != ssReapplying) return;

    const TSkinModel& skin = *Skin();
    TRegionHandle region;
    if (!skin.Left.Trans && !skin.Right.Trans && !skin.Top.Trans && !skin.Bottom.Trans) {
        region = RectRegion(RECT{0, 0, w, h});
    } else {
        RegionWidth = w;
        RegionHeight = h;
        region = ShapedRegion(w, h);
    }
    if (!region) return;
    // The window owns the region from here on.
    if (SetWindowRgn(handle_, region.Get(), TRUE)) {
        (void)region.Release();
        hasRegion_ = true;
    }
}

TRegionHandle TWinSkinForm::ShapedRegion(int w, int h) const {
    TRegionHandle region =
        RectRegion(RECT{BorderLeft, BorderTop, w - BorderRight, h - BorderBottom});
    if (traits_.BorderKind == bkNone || !region) return region;
    const TSkinModel& skin = *Skin();
    struct Part {
        const TDataSkinBorder& record;
        RECT rect;
        TStripAxis axis; // top and bottom frames are stacked
        bool fromImage;
    };
    const Part parts[] = {
        {skin.Top, RECT{BorderLeft, 0, w - BorderRight, BorderTop}, TStripAxis::Vertical,
         BorderTop > 1 && !skin.Top.Bitmap.Empty()},
        {skin.Bottom, RECT{BorderLeft, h - BorderBottom, w - BorderRight, h}, TStripAxis::Vertical,
         BorderBottom >= 2},
        {skin.Left, RECT{0, 0, BorderLeft, h}, TStripAxis::Horizontal, h > 1},
        {skin.Right, RECT{w - BorderRight, 0, w, h}, TStripAxis::Horizontal, h > 1},
    };
    for (const Part& part : parts) {
        TRegionHandle piece = part.record.Trans == 1 && part.fromImage
                                  ? PartRegion(part.record, part.rect, part.axis, active_)
                                  : RectRegion(part.rect);
        if (piece) CombineRgn(region.Get(), region.Get(), piece.Get(), RGN_OR);
    }
    return region;
}

void TWinSkinForm::RemoveRegion() {
    if (!hasRegion_) return;
    SetWindowRgn(handle_, nullptr, traits_.FormKind == fkMDIChild);
    hasRegion_ = false;
}

void TWinSkinForm::RegionAfterResize() {
    if (!RegionFollowsSize()) return;
    if (Sizing)
        SuspendRegion();
    else
        UpdateRegion();
}

// A new region per step of a border drag would cost a second SetWindowPos
// pass per step (on Wine it doubles the cost of the drag), and one that lags
// behind the size cuts off the new edges. So the drag runs without a region,
// the frame painting its corners filled in, and the shape returns at the end.
void TWinSkinForm::SuspendRegion() {
    if (RegionSuspended) return;
    RegionSuspended = true;
    RegionWidth = RegionHeight = 0;
    hasRegion_ = false;
    SetWindowRgn(handle_, nullptr, TRUE);
}

void TWinSkinForm::BeginSizing() {
    Sizing = true;
}

void TWinSkinForm::EndSizing() {
    Sizing = false;
    if (!RegionSuspended) return;
    RegionSuspended = false;
    // Otherwise (minimized, say) the next WM_SIZE brings the shape back.
    if (RegionFollowsSize()) UpdateRegion();
}

bool TWinSkinForm::RegionFollowsSize() const {
    if (windowState_ == wsMinimized) return false;
    if (skinState_ != ssSkinned && skinState_ != ssReapplying) return false;
    if (traits_.FormKind != fkMDIChild) return true;
    const TSkinManage* manager = SkinManager();
    return windowState_ == wsNormal && !(manager && manager->MDIChildMaximized);
}
