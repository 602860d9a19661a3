#pragma once
// Speed buttons have no window: their parent paints them and passes them
// the mouse. The skin replaces the speed button's message handler, paints
// it when the parent asks (WM_PAINT with the parent's DC) and at once on a
// press or hover change, through a DC of the parent. A flat speed button
// shows its frame only while hot or pressed; one latched down shows pressed
// with the glyph's fourth piece.
#include "engine/controls/bit_button.h"
#include "toolkit/messages.h"

class TGraphicControl;

class TSkinSpeedButton : public TSkinBitButton {
    VELMORA_CLASS()
public:
    ~TSkinSpeedButton() override;
    bool AttachGraphic(TWinSkinForm& form, TSkinData& data, TControl& control) override;
    const TControl* Graphic() const override;
    void SkinChanged() override;

protected:
    void OnRestore() override;
    void DrawSkin(HDC dc, const RECT& rect) override;
    TButtonFacts ReadFacts() override;
    TControl* Source() const override;
    int FrameFor(const TButtonFacts& facts) const override { return SpeedButtonFrame(facts); }

private:
    void SpeedProc(TMessage& m);
    void Unhook();
    // Paints through a DC of the parent, now.
    void PaintNow();
    void SetBits(unsigned char bits);
    void DrawFace(HDC dc, const RECT& rect, const TButtonFacts& facts);

    TGraphicControl* target_ = nullptr;
    TWndMethod saved_;
    bool painting_ = false;
};
