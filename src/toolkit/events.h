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
