#pragma once
// Windows the skin lays over a control as siblings just above it (scroll
// bar overlays, a media player's button bar). The control must clip its
// siblings while one lies over it, or its own painting would show through.
#include <windows.h>

// Gives `host` WS_CLIPSIBLINGS; true when the style had to be added (and
// must be taken away again with RemoveClipSiblings).
bool AddClipSiblings(HWND host);
void RemoveClipSiblings(HWND host);
