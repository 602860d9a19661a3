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

TRegionHandle TWinSkinForm::ShapedRegion(int w, int h) {
    TRegionHandle region =
        RectRegion(RECT{BorderLeft, BorderTop, w - BorderRight, h - BorderBottom});
    if (traits_.BorderKind == bkNone || !region) return region;
    const TSkinModel& skin = *Skin();
    struct Part {
        int part;
        RECT rect;
        bool fromImage;
    };
    const Part parts[] = {
        {bpTop, RECT{BorderLeft, 0, w - BorderRight, BorderTop},
         BorderTop > 1 && !skin.Top.Bitmap.Empty()},
        {bpBottom, RECT{BorderLeft, h - BorderBottom, w - BorderRight, h}, BorderBottom >= 2},
        {bpLeft, RECT{0, 0, BorderLeft, h}, h > 1},
        {bpRight, RECT{w - BorderRight, 0, w, h}, h > 1},
    };
    for (const Part& part : parts) {
        const int width = part.rect.right - part.rect.left;
        const int height = part.rect.bottom - part.rect.top;
        // The key-colour pixels of the part's image cut out: the very pixels
        // the painter blits, so the outline matches what is shown.
        TRegionHandle piece =
            BorderRecord(part.part).Trans == 1 && part.fromImage && width > 0 && height > 0
                ? CreateRegionFromBitmap(BorderPixels(part.part, width, height), part.rect.left,
                                         part.rect.top, kBorderKeyTolerance, kBorderKeyTolerance,
                                         kBorderKeyTolerance, kSkinKeyColour)
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
