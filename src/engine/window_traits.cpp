#include "engine/window_traits.h"

#include "engine/window_facts.h"
#include "toolkit/platform.h"

namespace {

unsigned char BorderIconsOf(DWORD style, DWORD exStyle) {
    unsigned char icons = 0;
    if (style & WS_SYSMENU) icons |= biSystemMenuBit;
    if (style & WS_MINIMIZEBOX) icons |= biMinimizeBit;
    if (style & WS_MAXIMIZEBOX) icons |= biMaximizeBit;
    if (exStyle & WS_EX_CONTEXTHELP) icons |= biHelpBit;
    return icons;
}

TBorderKind BorderKindOf(DWORD style, DWORD exStyle) {
    if (exStyle & WS_EX_DLGMODALFRAME) return bkDialog;
    if ((style & WS_CAPTION) != WS_CAPTION) return bkNone;
    if (style & WS_THICKFRAME) return bkSizeable;
    return (style & DS_MODALFRAME) ? bkDialog : bkSingle;
}

} // namespace

TWindowTraits ReadWindowTraits(HWND window) {
    TWindowTraits t;
    t.Style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    t.WindowClass = WindowClassName(window);
    t.OwnerWindow = GetWindow(window, GW_OWNER);
    t.RightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    t.ChildWindow = (t.Style & WS_CHILD) != 0;
    t.Sizeable = (t.Style & WS_THICKFRAME) != 0;
    t.BorderIcons = BorderIconsOf(t.Style, exStyle);
    t.BorderKind = BorderKindOf(t.Style, exStyle);
    t.MDIClient = FindMDIClient(window);
    t.FormKind = (exStyle & WS_EX_MDICHILD) ? fkMDIChild : t.MDIClient ? fkMDIFrame : fkPlain;
    // These releases lose a top-level window's taskbar menu when WS_SYSMENU
    // is switched off for painting, so it stays.
    if (Platform().IsNTDotZeroRelease() &&
        ((exStyle & WS_EX_APPWINDOW) || (!t.OwnerWindow && t.FormKind != fkMDIChild)))
        t.BorderIcons |= biKeepSysMenuBit;
    if (t.WindowClass == L"#32770" || t.WindowClass == L"TMessageForm") {
        t.BorderKind = bkDialog;
        t.SystemDialog = true;
    }
    return t;
}
