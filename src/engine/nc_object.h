#pragma once
// Clickable elements of a skinned window's non-client area: the caption
// buttons here, the menu-bar buttons elsewhere. Each moves between normal
// (1), pressed (2) and hot (3); the state is also the frame index drawn, and
// every change of state repaints the object.
#include "engine/caption_layout.h"
#include "engine/skin_draw.h"

#include <windows.h>

class TWinSkinForm;
class TDataSkinSysButton;
class TPixelBitmap;

class TNCObject {
public:
    explicit TNCObject(TWinSkinForm* form) : Form(form) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Paint() {}
    void SetState(TNCState state);

    TWinSkinForm* Form;
    RECT Rect{}; // window coordinates
    bool Visible = false;
    TNCState State = ncNormal;
    bool Enabled = true;
};

// One caption button, showing one caption-button record of the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm* form, const TDataSkinSysButton& element)
        : TNCObject(form), Element(&element) {}
    void Paint() override;
    // The strip drawn: the record's, or the window icon for an icon button
    // whose record has no image.
    const TPixelBitmap& Image() const;
    int FrameCount() const;
    // Frame `index` of Image(), as the drawing routines take it.
    TSkinFrame Frame(int index) const { return {&Image(), index, FrameCount()}; }

    const TDataSkinSysButton* Element; // not owned
    // Set for an icon button (IsIconAction) whose record has no image.
    const TPixelBitmap* IconImage = nullptr;

    // The frame the title bar shows, composed once while strip, frame and
    // size stay the same.
    const TMaskedImage& TitleFrame(int frameIndex, int width, int height);

private:
    TMaskedImage titleFrame_;
    const TPixelBitmap* titleImage_ = nullptr;
    int titleImageWidth_ = 0, titleImageHeight_ = 0;
    int titleFrameIndex_ = 0, titleFrameCount_ = 0, titleWidth_ = 0, titleHeight_ = 0;
};
