#pragma once
// A media player's button bar: up to nine buttons (play, pause, stop, ...)
// sharing the control's width, each shown, enabled and coloured as three
// published sets say. The bar only reports which button was clicked; what
// the buttons do is the application's business.
#include "toolkit/custom_control.h"
#include "toolkit/gdi_objects.h"

#include <functional>

enum TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject };
constexpr int kMediaButtonCount = 9;
// A set of buttons: bit n stands for TMPBtnType n.
using TMPButtonSet = int;
constexpr TMPButtonSet kAllMediaButtons = (1 << kMediaButtonCount) - 1;

constexpr bool InButtonSet(TMPButtonSet set, int button) {
    return (set >> button & 1) != 0;
}

// The buttons' names, as sets of them are written ("[btPlay,btStop]").
const TEnumInfo& MediaButtonTypes();

using TMPClickEvent = std::function<void(TPersistent* sender, TMPBtnType button)>;

// The visible buttons stand left to right in TMPBtnType order, each
// width / (visible count) wide. The button under `x`, or -1 (none visible,
// or x in the few pixels the division leaves over at the right).
int MediaButtonAt(TMPButtonSet visible, int width, int x);
// Where `button` stands; empty when it is not visible.
RECT MediaButtonRect(TMPButtonSet visible, int width, int height, int button);

// The three glyph sets: EN_ for enabled buttons, DI_ for disabled ones and
// CL_ for enabled buttons that are coloured.
enum class TMPGlyphSet { Enabled, Disabled, Coloured };
TMPGlyphSet GlyphSetOf(bool enabled, bool coloured);

// The 27 button glyphs, read from the program's bitmap resources
// ("EN_MPPLAY", "DI_MPSTOP", ...). A program that carries none of them
// gets empty glyphs: the buttons show their frames only.
class TMediaGlyphs {
public:
    TMediaGlyphs();
    HBITMAP Glyph(TMPGlyphSet set, int button) const;

private:
    TBitmapHandle glyphs_[3][kMediaButtonCount];
};
// The glyph's colour that is never drawn (olive).
constexpr COLORREF kMediaGlyphKey = RGB(128, 128, 0);
// `glyph` centred in `rect`, moved by `shift` pixels right and down, its
// olive pixels left undrawn; nothing for a null glyph.
void DrawMediaGlyph(HDC dc, const RECT& rect, HBITMAP glyph, int shift);
// The focus rectangle of a button at `rect`.
void DrawMediaFocus(HDC dc, const RECT& rect);

class TMediaPlayer : public TCustomControl {
    VELMORA_CLASS()
public:
    explicit TMediaPlayer(TComponent* owner);

    int VisibleButtons() const { return visible_; }
    void SetVisibleButtons(int v);
    int EnabledButtons() const { return enabled_; }
    void SetEnabledButtons(int v);
    int ColoredButtons() const { return coloured_; }
    void SetColoredButtons(int v);

    // The button the keyboard works on (Left and Right move it over the
    // usable buttons, Space or Enter clicks it); -1 before the player had
    // the focus.
    int FocusedButton() const { return focused_; }

    // A button was pressed and released over itself.
    TMPClickEvent OnButtonClick;
    void ButtonClick(TMPBtnType button);

    void WndProc(TMessage& m) override;

protected:
    void CreateParams(TCreateParams& p) override;
    void Paint(HDC dc) override;

private:
    void ButtonDown(int x);
    void ButtonUp(int x);
    bool KeyPressed(WORD key);
    void MoveFocus(int step); // 1 or -1
    bool ButtonUsable(int button) const;

    TMPButtonSet visible_ = kAllMediaButtons;
    TMPButtonSet enabled_ = kAllMediaButtons;
    TMPButtonSet coloured_ = kAllMediaButtons;
    int pressed_ = -1;
    int focused_ = -1;
    TMediaGlyphs glyphs_;
};
