#pragma once
// The rules every skinned button follows, as plain functions of the
// button's state: which frame of the skin's button strip it shows, which
// piece of its glyph, how a caption splits into lines, and where glyph and
// caption go. The button classes read the state off the window and paint
// what these answer; tests call them directly.
#include <windows.h>

#include <string>

// What a button's look depends on.
struct TButtonFacts {
    bool Enabled = true;
    bool Pressed = false;
    bool Hot = false;
    bool Focused = false;
    bool Default = false; // the default button of its window
    bool Down = false;    // a speed button latched down
};

// Frames of the skin's button strip (1-based).
enum TButtonFrame : int {
    bfNormal = 1,
    bfPressed = 2,
    bfDisabled = 3,
    bfHot = 4,
    bfFocused = 5, // focused or default
};

// Push and bitmap buttons: disabled, pressed, hot, focused or default, normal.
int PushButtonFrame(const TButtonFacts& facts);
// Menu buttons have no focused frame: the focus shows as hot.
int MenuButtonFrame(const TButtonFacts& facts);
// Speed buttons latched down show as pressed; they take no focus.
int SpeedButtonFrame(const TButtonFacts& facts);

// The piece of a glyph strip a bitmap button shows (1-based): 3 pressed,
// 2 disabled, 1 otherwise; a piece the strip lacks falls back to the first.
int BitButtonGlyph(int frame, int numGlyphs);
// A speed button's piece: as a bitmap button's, and 4 while latched down.
int SpeedButtonGlyph(int frame, bool down, int numGlyphs);
// A glyph count below 1 means one glyph (the bitmap is not divided).
int GlyphCount(int numGlyphs);

// The first "||" of a caption becomes a line break; later ones stay.
std::wstring SplitCaptionLines(const std::wstring& caption);

enum class TGlyphLayout { Left, Right, Top, Bottom };
// "blGlyphRight" and the others, case-blind; anything else is Left.
TGlyphLayout GlyphLayoutFromName(const std::wstring& name);

// Where a glyph and a caption go inside a button's client area.
struct TGlyphPlacementIn {
    SIZE Client{};
    SIZE Glyph{};
    SIZE Text{};
    TGlyphLayout Layout = TGlyphLayout::Left;
    int Margin = -1;     // -1: glyph and caption centred together
    int Spacing = 4;     // -1: the gaps share the room evenly
    bool Centre = false; // centred although Margin is given
    int CentreNudge = 0; // added to a centred Margin with a given Spacing
};

struct TGlyphPlacement {
    POINT Glyph{};
    POINT Text{};
    UINT TextFlags = DT_WORDBREAK;
};

TGlyphPlacement PlaceGlyphAndText(const TGlyphPlacementIn& in);
