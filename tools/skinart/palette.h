// The colours of one stored skin. The two skins share every shape and differ
// only here.
#pragma once

#include "image.h"

#include <string>

namespace skinart {

struct Palette {
    std::string folder;   // sub-folder of the output, e.g. "blue"
    std::string skinName; // [TitlebarSkin] SkinName

    // Window frame.
    Rgb captionTop, captionBottom, captionGloss, frameOutline, frameInner;
    Rgb inactiveTop, inactiveBottom, inactiveGloss, inactiveOutline, inactiveInner;
    Rgb titleText, inactiveTitleText;
    Rgb captionHot, captionPressed; // overlays on the caption for the buttons
    double captionHotAlpha, captionPressedAlpha;
    Rgb closeHot, closePressed, closeGlyphHot;

    // Surfaces and text.
    Rgb face, window, windowText, buttonText, shadow, darkShadow, light;
    Rgb accent, accentLight, accentSoft; // strong, hot-state, and selected-tint colours
    Rgb selection, selectionText;
    Rgb menu, menuText, menuBar, menuBarText, menuBarLine, menuGutter, menuBorder;

    // Push buttons: outline and vertical fill per state.
    Rgb buttonBorder, buttonTop, buttonBottom;
    Rgb hotBorder, hotTop, hotBottom;
    Rgb pressedBorder, pressedTop, pressedBottom;
    Rgb disabledBorder, disabledFill, disabledText;

    // Scrollbars, tracks, edits.
    Rgb track, thumb, thumbHot, thumbPressed, scrollGlyph;
    Rgb editBorder, editBorderHot;
};

Palette BluePalette();
Palette YellowPalette();

} // namespace skinart
