#pragma once
// Push buttons, bitmap buttons that show a glyph beside their caption, and
// menu buttons that drop a menu below themselves.
#include "toolkit/bitmap.h"
#include "toolkit/win_control.h"

class TPopupMenu;

class TButton : public TWinControl {
    VELMORA_CLASS()
public:
    using TWinControl::TWinControl;
    void WndProc(TMessage& m) override;

    // The button Enter presses when the focused control is not a button.
    bool Default() const { return default_; }
    void SetDefault(bool v);

protected:
    void CreateParams(TCreateParams& p) override;

private:
    bool default_ = false;
};

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The glyph holds NumGlyphs pieces side by side (normal, disabled, pressed,
// down); its bottom-left colour is drawn as transparent.
class TBitBtn : public TButton {
    VELMORA_CLASS()
public:
    explicit TBitBtn(TComponent* owner);
    TBitmap* Glyph() { return &glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int v);
    int Layout() const { return layout_; }
    void SetLayout(int v);
    // -1 centres glyph and caption together.
    int Margin() const { return margin_; }
    void SetMargin(int v);
    // -1 shares the room evenly.
    int Spacing() const { return spacing_; }
    void SetSpacing(int v);
    void Loaded() override;

protected:
    void CreateWnd() override;

private:
    void ApplyGlyph();

    TBitmap glyph_;
    TImageListHandle images_;
    int numGlyphs_ = 1;
    int layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

// Clicking drops DropdownMenu below the button (after OnClick).
class TMenuButton : public TButton {
    VELMORA_CLASS()
public:
    using TButton::TButton;
    TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
    void SetDropdownMenu(TPopupMenu* menu) { dropdownMenu_ = menu; }
    void Click() override;

private:
    TPopupMenu* dropdownMenu_ = nullptr;
};
