#include "core/skin_elements.h"
#include "core/skin_model.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
#include "engine/caption_layout.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"
#include "toolkit/canvas.h"

namespace {

// The frame shown for a state: disabled buttons show frame 4 when the strip
// has one, otherwise their normal frame.
int FrameForState(const TWinSysButton& button, TNCState state) {
    int index = state;
    if (!button.Enabled) index = button.FrameCount() > 3 ? ncDisabled : ncNormal;
    if (button.Element->Visibility == cvChildMaximized && index == ncHot) index = ncDisabled;
    return index;
}

} // namespace

// --- TNCObject: every change of state repaints the object ---

void TNCObject::SetState(TNCState state) {
    State = state;
    Paint();
}

void TNCObject::MouseEnter() {
    if (Form->HotObject == this) return;
    if (Form->HotObject) Form->HotObject->MouseLeave();
    if (!Visible) return;
    Form->HotObject = this;
    SetState(ncHot);
}

void TNCObject::MouseLeave() {
    if (!Visible) return;
    if (Form->HotObject == this) Form->HotObject = nullptr;
    SetState(ncNormal);
}

void TNCObject::MouseDown() {
    if (Form->HotObject && Form->HotObject != this) Form->HotObject->MouseLeave();
    if (!Visible) return;
    Form->HotObject = this;
    SetState(ncPressed);
}

void TNCObject::MouseUp() {
    if (Visible) SetState(ncHot);
}

// --- TWinSysButton ---

void TWinSysButton::Paint() {
    Form->DrawSysButton(*this, State);
}

const TPixelBitmap& TWinSysButton::Image() const {
    return IconImage ? *IconImage : Element->Bitmap;
}

int TWinSysButton::FrameCount() const {
    if (IconImage) return 1;
    return Element->FrameCount > 0 ? Element->FrameCount : 1;
}

const TMaskedImage& TWinSysButton::TitleFrame(int frameIndex, int width, int height) {
    const TPixelBitmap& image = Image();
    const int frameCount = FrameCount();
    if (titleImage_ == &image && titleImageWidth_ == image.Width() &&
        titleImageHeight_ == image.Height() && titleFrameIndex_ == frameIndex &&
        titleFrameCount_ == frameCount && titleWidth_ == width && titleHeight_ == height)
        return titleFrame_;
    titleFrame_ = MaskedStretchedFrame(width, height, image, frameIndex, frameCount);
    titleImage_ = &image;
    titleImageWidth_ = image.Width();
    titleImageHeight_ = image.Height();
    titleFrameIndex_ = frameIndex;
    titleFrameCount_ = frameCount;
    titleWidth_ = width;
    titleHeight_ = height;
    return titleFrame_;
}

// --- the form's caption buttons ---

void TWinSkinForm::CreateSysButtons() {
    HotObject = nullptr;
    SysButtons.clear();
    if (!SkinData) return;
    // The buttons point into the model: the window holds it while they live.
    model_ = SkinData->SharedSkin();
    bool iconBuilt = false;
    for (const auto& record : Skin()->SysButtonRecords) {
        auto button = std::make_unique<TWinSysButton>(this, *record);
        button->Enabled = true;
        if (IsIconAction(record->Action) && record->Bitmap.Empty()) {
            if (!iconBuilt) BuildIconBitmap();
            iconBuilt = true;
            button->IconImage = &IconPixels;
        }
        SysButtons.push_back(std::move(button));
    }
}

TCaptionFacts TWinSkinForm::CaptionFacts() const {
    TCaptionFacts facts;
    facts.BorderIcons = Traits.BorderIcons;
    facts.BorderKind = Traits.BorderKind;
    facts.SystemDialog = Traits.SystemDialog;
    facts.State = WindowState;
    facts.Active = Active;
    facts.MDIClient = Traits.FormKind == fkMDIFrame ? Traits.MDIClient : nullptr;
    facts.MenuHeight = MenuHeight;
    facts.Window = Handle;
    return facts;
}

bool TWinSkinForm::IsButtonVisible(int index) {
    if (index < 0 || index >= static_cast<int>(SysButtons.size())) return false;
    TWinSysButton& button = *SysButtons[index];
    const TButtonLook look = CaptionButtonLook(*button.Element, CaptionFacts(), button.Enabled);
    button.Visible = look.Visible;
    button.Enabled = look.Enabled;
    return look.Visible;
}

void TWinSkinForm::UpdateButtonStates() {
    for (int i = 0; i < static_cast<int>(SysButtons.size()); ++i)
        IsButtonVisible(i);
}

void TWinSkinForm::LayoutSysButtons() {
    UpdateButtonStates();
    PlaceSysButtons();
}

void TWinSkinForm::PlaceSysButtons() {
    TCaptionGeometry geometry;
    geometry.WindowWidth = WindowRect.right - WindowRect.left;
    geometry.TextRect = CaptionTextRect;
    geometry.BorderRight = BorderRight;
    geometry.BorderTop = BorderTop;
    geometry.MenuHeight = MenuHeight;
    if (const TSkinModel* skin = Skin(); skin && skin->MenuBarImage)
        geometry.MenuBarLeft = skin->MenuBarImage->LeftWidth;
    for (const auto& owned : SysButtons) {
        TWinSysButton& button = *owned;
        // Hidden buttons keep their old place; they are not hit.
        if (!button.Visible || button.Image().Empty()) continue;
        button.Rect =
            CaptionButtonRect(*button.Element, button.Image().Width() / button.FrameCount(),
                              button.Image().Height(), geometry);
    }
}

void TWinSkinForm::PaintSysButtons(TCanvas& canvas) {
    for (auto& owned : SysButtons) {
        TWinSysButton& button = *owned;
        if (!button.Visible || button.Image().Empty() ||
            button.Element->Visibility == cvChildMaximized)
            continue;
        if (IsIconAction(button.Element->Action)) {
            DrawWindowIcon(canvas.Handle(), button.Rect.left, button.Rect.top);
            continue;
        }
        const int frame = (button.FrameCount() < 4 || (Active && button.Enabled)) ? 1 : 4;
        const RECT& r = button.Rect;
        if (r.right < r.left || r.bottom < r.top) continue;
        DrawMasked(canvas.Handle(), r.left, r.top,
                   button.TitleFrame(frame, r.right - r.left, r.bottom - r.top));
    }
}

void TWinSkinForm::DrawSysButton(TWinSysButton& button, TNCState state) {
    if (!Handle || !button.Visible || button.Image().Empty()) return;
    TWindowDC dc(Handle, true);
    if (!dc) return;
    if (IsIconAction(button.Element->Action))
        DrawWindowIcon(dc.Get(), button.Rect.left, button.Rect.top);
    else
        StretchSkinFrame(dc.Get(), button.Rect, button.Image(), FrameForState(button, state),
                         button.FrameCount(), true);
}
