#include "engine/controls/sibling_overlay.h"

namespace {

void SetClipSiblings(HWND window, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, on ? style | WS_CLIPSIBLINGS : style & ~WS_CLIPSIBLINGS);
}

} // namespace

bool AddClipSiblings(HWND host) {
    if (!IsWindow(host) || (GetWindowLongPtrW(host, GWL_STYLE) & WS_CLIPSIBLINGS)) return false;
    SetClipSiblings(host, true);
    return true;
}

void RemoveClipSiblings(HWND host) {
    if (IsWindow(host)) SetClipSiblings(host, false);
}
