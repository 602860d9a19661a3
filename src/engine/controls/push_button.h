#pragma once
// Push buttons drawn from the skin's button strip. The skin takes the press
// over from the platform's button: it keeps the capture while the left
// button is down, shows the pressed frame while the pointer is over the
// button, and raises the click itself when the button is released over it,
// so the native button never paints a pressed look of its own. Space does
// the same from the keyboard. The bitmap, menu and speed buttons build on
// this class.
#include "engine/controls/button_rules.h"
#include "engine/controls/skin_control.h"
#include "engine/element_frames.h"

class TDataSkinButton;

// Everything a push button's picture depends on, the background aside.
struct TPushButtonLook {
    const TDataSkinButton* Buttons = nullptr;
    TElementFrames* Frames = nullptr; // the window's kept frames; none: composed anew
    int Frame = bfNormal;
    std::wstring Caption; // "||" already split
    HFONT Font = nullptr;
    COLORREF TextColour = 0;
    bool ShowFrame = true;   // a flat speed button at rest shows no frame
    bool FocusCue = false;   // a focus rectangle round the caption
    bool HidePrefix = false; // accelerator underlines hidden until Alt
    bool RightToLeft = false;
};

// Frame look.Frame of the button strip over `rect` (nothing when the look
// shows no frame).
void DrawButtonFrame(HDC dc, const RECT& rect, const TPushButtonLook& look);
// The frame over `rect` (the button at (0, 0)), then the caption centred.
void PaintPushButton(HDC dc, const RECT& rect, const TPushButtonLook& look);
// The caption centred in `rect` inset by 2, one pixel above the exact
// middle, with a focus rectangle round it when `look` asks for one.
void DrawCentredCaption(HDC dc, const RECT& rect, const TPushButtonLook& look);

// The focus rectangle round a caption's box.
void DrawCaptionFocus(HDC dc, RECT textBox);

class TSkinButton : public TSkinControl {
    VELMORA_CLASS()
public:
    // The frame the button shows now.
    int CurrentFrame();

protected:
    void OnAttach() override;
    void OnRestore() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

    virtual int FrameFor(const TButtonFacts& facts) const { return PushButtonFrame(facts); }
    // Reads focus, enabled and default off the window and the control.
    virtual TButtonFacts ReadFacts();
    // The toolkit control whose properties the button shows (caption, font,
    // glyph); null for a raw window.
    virtual TControl* Source() const;
    // Whether the skin has a button strip to draw from.
    bool HasButtonStrip() const;
    const TDataSkinButton& ButtonStrip() const;
    // The parent's picture under a transparent button, else the face colour.
    void PaintBackground(HDC dc, const RECT& rect);
    // What every button family's caption shares: font, colour for `frame`
    // (the skin's normal caption colour in every frame, or only in the
    // normal one), focus cue and prefix rule.
    TPushButtonLook CaptionLook(int frame, bool normalColourEverywhere);
    // The platform's rule for showing focus cues, and the skin's option.
    bool ShowsFocusCue(LRESULT uiState) const;
    // The control's click, or WM_COMMAND/BN_CLICKED to a raw button's parent.
    virtual void RaiseClick();

    bool transparent_ = false;

private:
    bool MouseMessage(TMessage& m);
    void BeginPress();
    void MovePress(POINT at);
    void EndPress(POINT at);
    void CancelPress();
    bool KeyPress(TMessage& m);
    void Hover(TMessage& m);
    void Leave(TMessage& m);
    bool InClient(POINT at) const;
    void SetMouseBits(unsigned char bits);

    // Passes a hover message on: the platform's button may repaint for its
    // own hot look, which then shows the skin's; else the skin repaints.
    void PassHoverOn(TMessage& m, unsigned char bits);

    int paints_ = 0;
    bool captured_ = false;
    bool keyPressed_ = false;
    bool leaveTracked_ = false;
};

// Text colour of a button caption in `frame`: the skin's caption colours
// where it gives them, the shadow colour when disabled.
COLORREF ButtonCaptionColour(const TDataSkinButton& buttons, COLORREF base, int frame,
                             bool normalColourEverywhere);
