#pragma once
// The window classes of the small child windows the skin makes itself
// (scroll bar overlays, a picker's arrow button): registered once each, in
// this module, with the arrow cursor and no background brush (they paint
// every pixel themselves).
#include <windows.h>

// True when `name` is registered with `proc` now or was before.
bool RegisterChildClass(const wchar_t* name, WNDPROC proc);
