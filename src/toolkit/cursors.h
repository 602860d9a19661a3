#pragma once
// Cursor numbers of controls, and the system cursor each one shows.
#include <windows.h>

constexpr int crDefault = 0;
constexpr int crArrow = -2;
constexpr int crHandPoint = -21;

// nullptr for crDefault: the window class decides.
HCURSOR CursorHandle(int cursor);
