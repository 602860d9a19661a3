#pragma once
// The engine's optional platform parts: user32 entry points that older
// systems lack (looked up at run time), and the system colours and metrics
// the portable core asks for. Version and Wine differences are the
// toolkit's (toolkit/platform.h).
#include <windows.h>

// True when user32 offers GetScrollBarInfo.
bool HasScrollBarInfo();
// GetScrollBarInfo when present; false when it is missing or fails.
bool QueryScrollBarInfo(HWND window, LONG objectId, SCROLLBARINFO& info);
// Asks for WM_MOUSELEAVE on `window`; does nothing without TrackMouseEvent.
void RequestMouseLeave(HWND window);

using TGetComboBoxInfo = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
// The looked-up GetComboBoxInfo, or nullptr.
TGetComboBoxInfo ComboBoxInfoEntry();

// Answers the core's system-colour and metric questions with GetSysColor and
// GetSystemMetrics from now on. Safe to call more than once.
void InstallPlatformFacts();
