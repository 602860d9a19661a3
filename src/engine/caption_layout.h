#pragma once
// The rules of the caption strip, apart from any painting: which caption
// buttons a window shows, whether they are enabled, where each stands, and
// where the caption text goes. The form skin object feeds them what it knows
// of its window and draws what they give back.
#include "core/skin_elements.h"
#include "engine/window_facts.h"
#include "engine/window_traits.h"

#include <windows.h>

// The states of a caption button, numbered as the frames of its strip.
enum TNCState { ncNormal = 1, ncPressed = 2, ncHot = 3, ncDisabled = 4 };

// The frame (1-based) a button draws in `state`: a disabled one shows its
// disabled frame when the strip has one, else its normal frame; the MDI
// child's buttons show the disabled frame for hot.
int CaptionButtonFrame(TNCState state, bool enabled, int frameCount, int visibility);
// The frame a button rests in when the whole caption is painted: normal, or
// the disabled frame (when there is one) while the window is inactive or the
// button disabled.
int RestingFrame(bool active, bool enabled, int frameCount);

// What decides whether a caption button shows.
struct TCaptionFacts {
    unsigned char BorderIcons = 0; // TBorderIconBit
    TBorderKind BorderKind = bkSizeable;
    bool SystemDialog = false;
    TWindowState State = wsNormal;
    bool Active = true;
    // An MDI frame's client, asked whether its active child is maximized,
    // and the height of the frame's menu bar the child's buttons sit in.
    HWND MDIClient = nullptr;
    int MenuHeight = 0;
    // The window asked (SKINMSG_BUTTONVISIBLE) about the program's own
    // visibility codes; none answers "hidden".
    HWND Window = nullptr;
};

struct TButtonLook {
    bool Visible = false;
    bool Enabled = true;
};

// `enabledBefore` is kept for the buttons whose action does not decide it.
TButtonLook CaptionButtonLook(const TDataSkinSysButton& record, const TCaptionFacts& facts,
                              bool enabledBefore = true);

// Where caption buttons are measured from.
struct TCaptionGeometry {
    int WindowWidth = 0;
    RECT TextRect{}; // the caption text's rectangle in the same paint
    int BorderRight = 0, BorderTop = 0, MenuHeight = 0;
    int MenuBarLeft = 0; // the skin's menu-bar record's left width, if any
};

// The button's rectangle for a frame `frameWidth` x `frameHeight`.
RECT CaptionButtonRect(const TDataSkinSysButton& record, int frameWidth, int frameHeight,
                       const TCaptionGeometry& geometry);

// What decides where the caption text goes.
struct TCaptionTextFacts {
    bool RightToLeft = false;
    bool Popup = false; // WS_POPUP: the text stops before the right-hand buttons
    TBorderKind BorderKind = bkSizeable;
    int ButtonReserve = 0; // the widest XCoord of the right-hand buttons
};

// The text rectangle `measured` (as DrawText measured it from the strip's
// top-left corner, widened by the bar's ends) moved into place in the strip
// and cut before the buttons or the title's right part.
RECT PlaceCaptionText(const TDataSkinTitle& title, RECT measured, const RECT& strip,
                      const TCaptionTextFacts& facts);
