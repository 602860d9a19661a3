#pragma once
// What kind of window a form skin object skins: read once, when the object
// attaches, from the window's styles and class. Nothing here changes while
// the window is skinned.
#include <windows.h>

#include <string>

enum TFormKind : unsigned char { fkPlain = 0, fkMDIFrame = 1, fkMDIChild = 2 };
enum TBorderKind : unsigned char { bkSizeable = 0, bkSingle = 1, bkNone = 2, bkDialog = 3 };
// Bits of BorderIcons.
enum TBorderIconBit : unsigned char {
    biMaximizeBit = 1 << 0,
    biMinimizeBit = 1 << 1,
    biHelpBit = 1 << 2,
    biSystemMenuBit = 1 << 3,
    // The window's WS_SYSMENU bit is never toggled (top-level windows on the
    // N.0 releases of NT).
    biKeepSysMenuBit = 1 << 4,
};

struct TWindowTraits {
    DWORD Style = 0;
    std::wstring WindowClass;
    HWND OwnerWindow = nullptr;
    HWND MDIClient = nullptr; // for an MDI frame
    TFormKind FormKind = fkPlain;
    TBorderKind BorderKind = bkSizeable;
    unsigned char BorderIcons = 0; // TBorderIconBit
    bool RightToLeft = false;
    bool ChildWindow = false;
    bool Sizeable = false;
    // A system dialog box (#32770) or the toolkit's message box.
    bool SystemDialog = false;
};

TWindowTraits ReadWindowTraits(HWND window);
