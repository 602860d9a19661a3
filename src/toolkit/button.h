#pragma once
// Push buttons, bitmap buttons that show a glyph beside their caption, and
// menu buttons that drop a menu below themselves.
#include "toolkit/button_glyph.h"
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

// A push button with a glyph beside its caption; the platform's button
// shows the glyph's first piece, its bottom-left colour drawn as transparent.
class TBitBtn : public TButton, public TButtonGlyph {
    VELMORA_CLASS()
public:
    explicit TBitBtn(TComponent* owner);
    void Loaded() override;

protected:
    void CreateWnd() override;
    void GlyphChanged() override;

private:
    TImageListHandle images_;
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
