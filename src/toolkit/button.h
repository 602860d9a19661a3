#pragma once
// Push buttons, and bitmap buttons that show a glyph beside their caption.
#include "toolkit/bitmap.h"
#include "toolkit/win_control.h"

class TButton : public TWinControl {
    VELMORA_CLASS()
public:
    using TWinControl::TWinControl;
    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
};

// The glyph's bottom-left colour is drawn as transparent.
class TBitBtn : public TButton {
    VELMORA_CLASS()
public:
    explicit TBitBtn(TComponent* owner);
    TBitmap* Glyph() { return &glyph_; }
    int NumGlyphs() const { return 1; }
    void SetNumGlyphs(int) {}
    void Loaded() override;

protected:
    void CreateWnd() override;

private:
    void ApplyGlyph();

    TBitmap glyph_;
    TImageListHandle images_;
};
