#pragma once
// Check boxes and radio buttons, twins that differ only in their strip,
// their frame rules and a right-hand box's distance from the edge. The box
// (or circle) is a frame of the skin's check or radio strip. A toolkit
// control is painted whole by the skin (face, box and caption, off-screen
// and copied once); a raw window paints itself and the skin draws its box
// over the platform's.
//
// The platform's BUTTON paints outside WM_PAINT as well, straight into a DC
// of its own: on clicks, pressed and check changes, focus, enabling, text,
// keyboard cues and the space key. After each such message the skin draws
// again, once, when the outermost of them returns.
#include "engine/controls/skin_control.h"

#include <string>

class TPixelBitmap;

enum class TToggleKind { CheckBox, RadioButton };
enum class TCheckState { Unchecked, Checked, Indeterminate };

// The frame (1-based) the box shows. Check strips of 12 frames hold normal,
// hot, pressed and disabled looks of each state; any other count is read as
// the 4-frame strip (unchecked, checked, disabled, checked-disabled), which
// shows indeterminate as its last frame. Radio strips of 8 frames hold the
// four looks of each state, any other count the 4-frame order; a radio
// button has no indeterminate look and shows that state unchecked. Never
// past the strip's last frame.
int ToggleFrame(TToggleKind kind, TCheckState state, bool disabled, int frameCount);

// BM_SETCHECK's state: anything beyond indeterminate reads as indeterminate.
TCheckState StateOfSetCheck(WPARAM state);

// Where the state a box shows comes from; each source below the first
// overrides the ones above it when present, so that one skin class serves
// every library's check boxes.
struct TToggleSources {
    UINT ButtonState = 0;     // the window's BST_* bits (BM_GETSTATE, BM_GETCHECK)
    std::wstring StateText;   // published State ("cbGrayed"); empty when none
    std::wstring CheckedText; // published Checked ("True"), read without a State
    // A data-aware box shows its data source's last BM_SETCHECK, which its
    // State may not have caught up with; 0 when there is none.
    int SourceState = 0;
    bool DataBinding = false; // bound through a binding object: unchecked
};
// The window's indeterminate bit has the last word.
TCheckState ShownState(const TToggleSources& sources);

// Everything a check box or radio button picture depends on.
struct TToggleLook {
    const TPixelBitmap* Strip = nullptr;
    int FrameCount = 1;
    int Frame = 1;
    bool RightButton = false; // BS_RIGHTBUTTON: the box at the right edge
    int RightGap = 0;         // pixels between a right-hand box and the edge
    bool FillFace = false;    // the face colour under everything
    bool ShowCaption = false; // the skin draws the caption (toolkit controls)
    std::wstring Caption;
    HFONT Font = nullptr;
    COLORREF TextColour = 0;
    COLORREF Face = 0;
    bool RightToLeft = false;
    bool HidePrefix = false; // the platform hides accelerator underlines
    bool ShowFocus = false;  // focused, and the platform shows focus cues
};

// The box's place in `rect` (the window at (0, 0)).
RECT ToggleBoxRect(const RECT& rect, const TToggleLook& look);
// Draws the look into `dc` over `rect`: the face when asked, the box, and
// the caption beside it when the skin draws it.
void PaintToggle(HDC dc, const RECT& rect, const TToggleLook& look);

// The shared implementation; the twins below only name their kind.
class TSkinToggleButton : public TSkinControl {
    VELMORA_CLASS()
public:
    TToggleKind Kind() const { return kind_; }
    void SkinChanged() override;

protected:
    explicit TSkinToggleButton(TToggleKind kind) : kind_(kind) {}
    void OnAttach() override;
    bool BeforeMessage(TMessage& m) override;
    void AfterMessage(TMessage& m) override;
    void DrawSkin(HDC dc, const RECT& rect) override;

private:
    const TPixelBitmap& Strip() const;
    int FrameCount() const;
    void ReadSkinOptions();
    TCheckState State() const;
    TToggleLook Look() const;
    // A message the platform answers by painting at once: passed on here,
    // then the skin draws over what the platform drew.
    void PassOnAndDrawOver(TMessage& m);
    void Notice(const TMessage& m);

    const TToggleKind kind_;
    // 1 + the last BM_SETCHECK's state; 0 before the first.
    int sourceState_ = 0;
    // The parent shows through around the box and caption.
    bool transparent_ = false;
    // How deep the platform's own painting messages are nested.
    int platformPaints_ = 0;
};

class TSkinCheckBox : public TSkinToggleButton {
    VELMORA_CLASS()
public:
    TSkinCheckBox() : TSkinToggleButton(TToggleKind::CheckBox) {}
};

class TSkinRadioButton : public TSkinToggleButton {
    VELMORA_CLASS()
public:
    TSkinRadioButton() : TSkinToggleButton(TToggleKind::RadioButton) {}
};
