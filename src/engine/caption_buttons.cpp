#include "core/skin_elements.h"
#include "core/skin_model.h"
#include "engine/engine_messages.h"
#include "engine/skin_data.h"
#include "engine/skin_draw.h"
#include "engine/skin_manager.h"
#include "engine/win_skin_form.h"
#include "toolkit/canvas.h"

namespace {

bool IsIconAction(int action) {
    return action == 3 || action == 11;
}

// The frame shown for a state: disabled buttons show frame 4 when the strip
// has one, otherwise their normal frame.
int FrameForState(const TWinSysButton& button, int state) {
    int index = state;
    if (!button.Enabled) index = button.FrameCount() > 3 ? 4 : 1;
    if (button.Element->Visibility == 100 && index == 3) index = 4;
    return index;
}

} // namespace

// --- TNCObject: every change of state repaints the object ---

void TNCObject::SetState(int state) {
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
    ButtonCount = static_cast<int>(SysButtons.size());
}

bool TWinSkinForm::ActiveChildMaximized() const {
    if (FormKind != fkMDIFrame || !MDIClientHandle) return false;
    BOOL maximized = FALSE;
    HWND child = reinterpret_cast<HWND>(
        SendMessageW(MDIClientHandle, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    return child && maximized;
}

// One of the two conditions of a button; `second` selects the Visibility1
// reading of the value.
bool TWinSkinForm::VisibilityHolds(int value, bool second, int action) {
    const bool maxBox = (BorderIcons & biMaximizeBit) != 0;
    const bool minBox = (BorderIcons & biMinimizeBit) != 0;
    const bool helpBox = (BorderIcons & biHelpBit) != 0;
    const bool sysMenu = (BorderIcons & biSystemMenuBit) != 0;
    const bool maximized = WindowState == wsMaximized;
    switch (value) {
    case 0:
        return true;
    case 1:
        return maximized;
    case 2:
        return !maximized;
    case 3:
        return Active;
    case 4:
        return !Active;
    case 5:
        return false;
    case 6:
    case 8:
        return second ? (minBox || maxBox) : ((minBox || maxBox) && sysMenu);
    case 7:
        return !maxBox;
    case 9:
        return !minBox;
    case 10:
        return second ? helpBox : (helpBox && !minBox && !maxBox);
    case 100:
        // As the second condition it repeats the first, which is already
        // part of the result.
        return second || (ActiveChildMaximized() && MenuHeight > 0);
    case 200:
        return BorderKind == bkDialog && !SystemDialog;
    default:
        break;
    }
    if (value >= 201 && value <= 999) return true;
    if (value >= 1000 && value <= 2000) {
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
    const bool sysMenu = (BorderIcons & biSystemMenuBit) != 0;
    switch (e.Action) {
    case 0:
        if (!sysMenu) visible = false;
        break;
    case 1:
        button.Enabled = (BorderIcons & biMaximizeBit) && sysMenu;
        break;
    case 2:
        button.Enabled = (BorderIcons & biMinimizeBit) && sysMenu;
        break;
    case 3:
    case 11:
    case 12:
        if (BorderKind == bkDialog) visible = false;
        break;
    default:
        break;
    }
    button.Visible = visible;
    return visible;
}

void TWinSkinForm::LayoutSysButtons() {
    const int windowWidth = WindowRect.right - WindowRect.left;
    int menuBarLeft = 0;
    if (const TSkinModel* skin = Skin(); skin && skin->MenuBarImage)
        menuBarLeft = skin->MenuBarImage->LeftWidth;
    for (int i = 0; i < static_cast<int>(SysButtons.size()); ++i) {
        TWinSysButton& button = *SysButtons[i];
        if (!IsButtonVisible(i) || button.Image().Empty()) continue;
        const TDataSkinSysButton& e = *button.Element;
        const int w = button.Image().Width() / button.FrameCount();
        const int h = button.Image().Height();
        int x = 0, y = 0;
        switch (e.Align) {
        case 0:
            x = e.XCoord, y = e.YCoord;
            break;
        case 1:
            x = windowWidth - e.XCoord, y = e.YCoord;
            break;
        case 2:
        case 8:
            x = CaptionTextRect.left - w - e.XCoord, y = e.YCoord;
            break;
        case 3:
        case 9:
            x = CaptionTextRect.right + e.XCoord, y = e.YCoord;
            break;
        case 100:
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
        if (!button.Visible || button.Image().Empty() || button.Element->Visibility == 100)
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

void TWinSkinForm::DrawSysButton(TWinSysButton& button, int state) {
    if (!Handle || !button.Visible || button.Image().Empty()) return;
    HDC dc = GetWindowDC(Handle);
    if (!dc) return;
    if (IsIconAction(button.Element->Action))
        DrawWindowIcon(dc, button.Rect.left, button.Rect.top);
    else
        StretchSkinFrame(dc, button.Rect, button.Image(), FrameForState(button, state),
                         button.FrameCount(), true);
    ReleaseDC(Handle, dc);
}
