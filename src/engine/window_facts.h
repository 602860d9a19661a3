#pragma once
// Facts read off a window, each asked the one way the engine asks it.
#include "toolkit/gdi_objects.h"

#include <windows.h>

#include <string>

enum TWindowState : unsigned char { wsNormal = 0, wsMaximized = 1, wsMinimized = 2 };

// The state a window's placement reports (shown minimized, maximized or not).
TWindowState WindowStateOf(HWND window);
// The window's class name; empty for a null or dead window.
std::wstring WindowClassName(HWND window);
// True when the window's class is `name`, compared without regard to case.
bool IsWindowOfClass(HWND window, const wchar_t* name);
// The window's text, read the way the window keeps it (wide or ANSI).
std::wstring WindowTextOf(HWND window);
// The MDI client among the window's children, or null.
HWND FindMDIClient(HWND window);
// The active child of an MDI client, or null; `maximized` (when given) says
// whether it is maximized.
HWND ActiveMDIChild(HWND mdiClient, bool* maximized = nullptr);
// A font made from the system's caption font; empty when the system cannot say.
TFontHandle CreateSystemCaptionFont();
