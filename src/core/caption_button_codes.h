#pragma once
// The codes a skin's caption-button sections store in Action, Align,
// Visibility and Visibility1 (docs/making-a-skin.md lists them). The fields
// stay plain integers, since a skin may store any value; these are the
// values the engine gives a meaning.
#include <cstdint>

// What a click on the button does. Any other value of 0 or more is the
// program's own and is posted with SKINMSG_ACTION; a negative one is never hit.
enum TCaptionAction : std::int32_t {
    caClose = 0,
    caMaximize = 1, // maximize or restore
    caMinimize = 2, // minimize or restore
    caIconMenu = 3, // the system menu, showing the window icon
    caHelp = 4,
    caChildMinimize = 7, // the buttons of a maximized MDI child
    caChildRestore = 8,
    caChildClose = 9,
    caIconMenuToo = 11,
    caMenu = 12, // the system menu, with the record's own picture
    caMaximizeToo = 22,
    caMinimizeToo = 23,
    caChildMinimizeToo = 60,
    caChildRestoreToo = 61,
    caChildCloseToo = 62,
};

// The window icon stands in for a button with these actions.
constexpr bool IsIconAction(std::int32_t action) {
    return action == caIconMenu || action == caIconMenuToo;
}
constexpr bool IsSystemMenuAction(std::int32_t action) {
    return IsIconAction(action) || action == caMenu;
}

// Where the button's top-left corner is measured from.
enum TCaptionAlign : std::int32_t {
    calLeftEdge = 0,   // XCoord from the window's left edge
    calRightEdge = 1,  // XCoord back from the window's right edge
    calBeforeText = 2, // left of the caption text
    calAfterText = 3,  // right of the caption text
    calBeforeTextToo = 8,
    calAfterTextToo = 9,
    calMenuBar = 100, // the right end of the menu bar (MDI child buttons)
};

// When the button shows; Visibility and Visibility1 must both hold.
enum TCaptionVisibility : std::int32_t {
    cvHidden = -1,
    cvAlways = 0,
    cvMaximized = 1,
    cvNotMaximized = 2,
    cvActive = 3,
    cvInactive = 4,
    cvNever = 5,
    cvMinMaxBox = 6, // a minimize or maximize box (and, as Visibility, a system menu)
    cvNoMaximizeBox = 7,
    cvMinMaxBoxToo = 8,
    cvNoMinimizeBox = 9,
    cvHelpBox = 10,         // a help box (and, as Visibility, no minimize or maximize box)
    cvChildMaximized = 100, // an MDI frame whose active child is maximized
    cvOwnDialog = 200,      // a dialog frame that is not a system dialog
    cvAlwaysFrom = 201,     // 201 to 999 always show
    cvAlwaysTo = 999,
    cvAskWindowFrom = 1000, // 1000 to 2000: the window answers SKINMSG_BUTTONVISIBLE
    cvAskWindowTo = 2000,
};
