#include "core/skin_elements.h"
#include "core/skin_model.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
#include "engine/caption_layout.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"
#include "toolkit/canvas.h"

// --- TNCObject: every change of state repaints the object ---

void TNCObject::SetState(TNCState state) {
    State = state;
    Paint();
}

void TNCObject::MouseEnter() {
    if (Form->hotObject_ == this) return;
    if (Form->hotObject_) Form->hotObject_->MouseLeave();
    if (!Visible) return;
    Form->hotObject_ = this;
    SetState(ncHot);
}

void TNCObject::MouseLeave() {
    if (!Visible) return;
    if (Form->hotObject_ == this) Form->hotObject_ = nullptr;
    SetState(ncNormal);
}

void TNCObject::MouseDown() {
    if (Form->hotObject_ && Form->hotObject_ != this) Form->hotObject_->MouseLeave();
    if (!Visible) return;
    Form->hotObject_ = this;
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
    titleFrame_ = MaskedStretchedFrame(width, height, Frame(frameIndex));
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
    hotObject_ = nullptr;
    sysButtons_.clear();
    if (!skinData_) return;
    // The buttons point into the model: the window holds it while they live.
    model_ = skinData_->SharedSkin();
    for (const auto& record : Skin()->SysButtonRecords) {
        auto button = std::make_unique<TWinSysButton>(this, *record);
        button->Enabled = true;
        if (IsIconAction(record->Action) && record->Bitmap.Empty()) {
            EnsureIconBitmap();
            button->IconImage = &IconPixels;
        }
        sysButtons_.push_back(std::move(button));
    }
}

TCaptionFacts TWinSkinForm::CaptionFacts() const {
    TCaptionFacts facts;
    facts.BorderIcons = traits_.BorderIcons;
    facts.BorderKind = traits_.BorderKind;
    facts.SystemDialog = traits_.SystemDialog;
    facts.State = windowState_;
    facts.Active = active_;
    facts.MDIClient = traits_.FormKind == fkMDIFrame ? traits_.MDIClient : nullptr;
    facts.MenuHeight = MenuHeight;
    facts.Window = handle_;
    return facts;
}

bool TWinSkinForm::IsButtonVisible(int index) {
    if (index < 0 || index >= static_cast<int>(sysButtons_.size())) return false;
    TWinSysButton& button = *sysButtons_[index];
    const TButtonLook look = CaptionButtonLook(*button.Element, CaptionFacts(), button.Enabled);
    button.Visible = look.Visible;
    button.Enabled = look.Enabled;
    return look.Visible;
}

void TWinSkinForm::UpdateButtonStates() {
    for (int i = 0; i < static_cast<int>(sysButtons_.size()); ++i)
        IsButtonVisible(i);
}

void TWinSkinForm::PlaceSysButtons() {
    TCaptionGeometry geometry;
    geometry.WindowWidth = WindowRect.right - WindowRect.left;
    geometry.TextRect = captionTextRect_;
    geometry.BorderRight = BorderRight;
    geometry.BorderTop = BorderTop;
    geometry.MenuHeight = MenuHeight;
    if (const TSkinModel* skin = Skin(); skin && skin->MenuBarImage)
        geometry.MenuBarLeft = skin->MenuBarImage->LeftWidth;
    for (const auto& owned : sysButtons_) {
        TWinSysButton& button = *owned;
        // Hidden buttons keep their old place; they are not hit.
        if (!button.Visible || button.Image().Empty()) continue;
        button.Rect =
            CaptionButtonRect(*button.Element, button.Image().Width() / button.FrameCount(),
                              button.Image().Height(), geometry);
    }
}

void TWinSkinForm::PaintSysButtons(TCanvas& canvas) {
    for (auto& owned : sysButtons_) {
        TWinSysButton& button = *owned;
        if (!button.Visible || button.Image().Empty() ||
            button.Element->Visibility == cvChildMaximized)
            continue;
        if (IsIconAction(button.Element->Action)) {
            DrawWindowIcon(canvas.Handle(), button.Rect.left, button.Rect.top);
            continue;
        }
        const int frame = RestingFrame(active_, button.Enabled, button.FrameCount());
        const RECT& r = button.Rect;
        if (r.right < r.left || r.bottom < r.top) continue;
        DrawMasked(canvas.Handle(), r.left, r.top,
                   button.TitleFrame(frame, r.right - r.left, r.bottom - r.top));
    }
}

void TWinSkinForm::DrawSysButton(TWinSysButton& button, TNCState state) {
    if (!handle_ || !button.Visible || button.Image().Empty()) return;
    TWindowDC dc(handle_, true);
    if (!dc) return;
    if (IsIconAction(button.Element->Action))
        DrawWindowIcon(dc.Get(), button.Rect.left, button.Rect.top);
    else
        StretchSkinFrame(dc.Get(), button.Rect,
                         button.Frame(CaptionButtonFrame(state, button.Enabled, button.FrameCount(),
                                                         button.Element->Visibility)),
                         TKeyColour::Transparent);
}
