#pragma once
// Toolkit popup menus come out skinned: each one, when it is shown over a
// skinned window, has its items marked owner-drawn for the time it is open
// (the window then measures and draws them from the skin).
#include "engine/menus/shown_menus.h"

class TPopupMenu;

// The Tag of the popup that stands in for the system menu.
constexpr int kSystemMenuTag = 33333;

// Installed once, program-wide, by the skin manager.
void InstallPopupMenuSkin();

// The scope for `built` (the menu of `popup`), or null when it keeps the
// platform's look: no skinned window owns the loop, the skin does not take
// that kind of menu, or the menu's Tag asks to be left alone.
std::shared_ptr<void> SkinShownPopup(TPopupMenu& popup, HMENU built);
