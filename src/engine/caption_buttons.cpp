#include "core/skin_elements.h"
#include "core/skin_model.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
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

bool TWinSkinForm::ActiveChildMaximized() const {
    bool maximized = false;
    return Traits.FormKind == fkMDIFrame && ActiveMDIChild(Traits.MDIClient, &maximized) &&
           maximized;
}

// One of the two conditions of a button; `second` selects the Visibility1
// reading of the value.
bool TWinSkinForm::VisibilityHolds(int value, bool second, int action) {
    const bool maxBox = (Traits.BorderIcons & biMaximizeBit) != 0;
    const bool minBox = (Traits.BorderIcons & biMinimizeBit) != 0;
    const bool helpBox = (Traits.BorderIcons & biHelpBit) != 0;
    const bool sysMenu = (Traits.BorderIcons & biSystemMenuBit) != 0;
    const bool maximized = WindowState == wsMaximized;
    switch (value) {
    case cvAlways:
        return true;
    case cvMaximized:
        return maximized;
    case cvNotMaximized:
        return !maximized;
    case cvActive:
        return Active;
    case cvInactive:
        return !Active;
    case cvNever:
        return false;
    case cvMinMaxBox:
    case cvMinMaxBoxToo:
        return second ? (minBox || maxBox) : ((minBox || maxBox) && sysMenu);
    case cvNoMaximizeBox:
        return !maxBox;
    case cvNoMinimizeBox:
        return !minBox;
    case cvHelpBox:
        return second ? helpBox : (helpBox && !minBox && !maxBox);
    case cvChildMaximized:
        // As the second condition it repeats the first, which is already
        // part of the result.
        return second || (ActiveChildMaximized() && MenuHeight > 0);
    case cvOwnDialog:
        return Traits.BorderKind == bkDialog && !Traits.SystemDialog;
    default:
        break;
    }
    if (value >= cvAlwaysFrom && value <= cvAlwaysTo) return true;
    if (value >= cvAskWindowFrom && value <= cvAskWindowTo) {
        if (second) return true;
        return Handle && SendMessageW(Handle, SKINMSG_BUTTONVISIBLE, static_cast<WPARAM>(value),
                                      static_cast<LPARAM>(action)) > 0;
    }
    // -1 and every unknown value hide the button.
    return false;
}

bool TWinSkinForm::IsButtonVisible(int index) {
    if (index < 0 || index >= static_cast<int>(SysButtons.size())) return false;
    TWinSysButton& button = *SysButtons[index];
    const TDataSkinSysButton& e = *button.Element;
    bool visible = VisibilityHolds(e.Visibility, false, e.Action) &&
                   VisibilityHolds(e.Visibility1, true, e.Action);
    const bool sysMenu = (Traits.BorderIcons & biSystemMenuBit) != 0;
    switch (e.Action) {
    case caClose:
        if (!sysMenu) visible = false;
        break;
    case caMaximize:
        button.Enabled = (Traits.BorderIcons & biMaximizeBit) && sysMenu;
        break;
    case caMinimize:
        button.Enabled = (Traits.BorderIcons & biMinimizeBit) && sysMenu;
        break;
    case caIconMenu:
    case caIconMenuToo:
    case caMenu:
        if (Traits.BorderKind == bkDialog) visible = false;
        break;
    default:
        break;
    }
    button.Visible = visible;
    return visible;
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
    const int windowWidth = WindowRect.right - WindowRect.left;
    int menuBarLeft = 0;
    if (const TSkinModel* skin = Skin(); skin && skin->MenuBarImage)
        menuBarLeft = skin->MenuBarImage->LeftWidth;
    for (int i = 0; i < static_cast<int>(SysButtons.size()); ++i) {
        TWinSysButton& button = *SysButtons[i];
        if (!button.Visible || button.Image().Empty()) continue;
        const TDataSkinSysButton& e = *button.Element;
        const int w = button.Image().Width() / button.FrameCount();
        const int h = button.Image().Height();
        int x = 0, y = 0;
        switch (e.Align) {
        case calLeftEdge:
            x = e.XCoord, y = e.YCoord;
            break;
        case calRightEdge:
            x = windowWidth - e.XCoord, y = e.YCoord;
            break;
        case calBeforeText:
        case calBeforeTextToo:
            x = CaptionTextRect.left - w - e.XCoord, y = e.YCoord;
            break;
        case calAfterText:
        case calAfterTextToo:
            x = CaptionTextRect.right + e.XCoord, y = e.YCoord;
            break;
        case calMenuBar:
            x = windowWidth - e.XCoord - BorderRight - menuBarLeft;
            y = BorderTop + (MenuHeight - h) / 2;
            break;
        default:
            break;
        }
        button.Rect = RECT{x, y, x + w, y + h};
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
