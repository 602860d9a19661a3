#pragma once
// Media players: the player keeps its window and its logic, and a skinned
// button bar (TWMediaPlayer) lies exactly over it, a sibling just above.
// The bar paints the player's buttons from the skin's button strip and
// hands presses to the player, a release only when it lands on the button
// that was pressed, so the player raises a click for that button alone.
#include "engine/controls/sibling_overlay.h"
#include "engine/controls/skin_control.h"
#include "toolkit/media_player.h"

#include <memory>

class TDataSkinButton;

// Everything the bar's picture depends on.
struct TMediaBarLook {
    int Width = 0;
    int Height = 0;
    TMPButtonSet Visible = 0;
    TMPButtonSet Enabled = 0;
    TMPButtonSet Coloured = 0;
    int Pressed = -1; // the button shown pressed, or -1
    int Focused = -1; // the button with the focus rectangle, or -1
    COLORREF Face = 0;
    const TDataSkinButton* Buttons = nullptr; // the skin's button strip; null: no frames
};

// The buttons of a set written as text: each button whose name occurs in it.
TMPButtonSet ButtonSetFromText(const std::wstring& text);
// The frame of the button strip a button shows: 3 disabled, 2 pressed, 1 otherwise.
int MediaButtonFrame(bool enabled, bool pressed);
// The bar at (0, 0) of `dc`: the face colour, then each visible button's
// frame and its glyph (one pixel right and down while pressed), and the
// focus rectangle.
void PaintMediaBar(HDC dc, const TMediaBarLook& look, const TMediaGlyphs& glyphs);

class TWMediaPlayer : public TSiblingOverlay {
public:
    TWMediaPlayer(TSkinData& data, TWinControl& player);

    // Hides `bar` and frees it now, or once the message it is handling has
    // returned; it touches neither the player nor the skin again.
    static void Discard(std::unique_ptr<TWMediaPlayer> bar);

    // Takes the player's place and visibility; nothing when nothing changed.
    void SyncPosition();
    void Refresh();
    int PressedIndex() const { return pressedIndex_; }
    bool Pressed() const { return pressed_; }
    TMediaBarLook CurrentLook() const;

private:
    void OnMessage(TMessage& m) override;
    void Paint() override;
    void ButtonDown(TMessage& m);
    void ButtonUp(TMessage& m);
    int ButtonAt(LPARAM point) const;
    void EndPress();

    TSkinData* data_;
    TWinControl* player_;
    TMediaGlyphs glyphs_;
    bool pressed_ = false;
    int pressedIndex_ = -1;
    RECT placed_{};
    bool shown_ = false;
    TBitmap buffer_;
};

class TSkinMP : public TSkinControl {
    VELMORA_CLASS()
public:
    ~TSkinMP() override;
    TWMediaPlayer* Player() const { return player_.get(); }
    void SkinChanged() override;

protected:
    void OnAttach() override;
    void OnRestore() override;
    void AfterMessage(TMessage& m) override;

private:
    std::unique_ptr<TWMediaPlayer> player_;
    TClipSiblings clipSiblings_;
};
