#pragma once
// The handler types of the toolkit's events.
#include <windows.h>

#include <functional>

class TPersistent;
enum class TMouseButton { Left, Right, Middle };
using TShiftState = unsigned; // MK_* bits of the mouse message

using TNotifyEvent = std::function<void(TPersistent* sender)>;
using TMouseEvent =
    std::function<void(TPersistent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TPersistent* sender, WORD& key, TShiftState shift)>;
using TColumnClickEvent = std::function<void(TPersistent* sender, int column)>;
// mousePos: client coordinates, or (-1, -1) when the keyboard asked (Shift+F10
// or the Menu key). Setting handled keeps the request from the parent.
using TContextPopupEvent = std::function<void(TPersistent* sender, POINT mousePos, bool& handled)>;
