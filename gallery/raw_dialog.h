#pragma once
// A dialog of the platform's own (#32770, built from a template in memory,
// no toolkit form) holding a raw child window of every class and style the
// control mapping knows, a nested child dialog among them. The gallery
// opens it to show what the skin makes of foreign windows; the tests use it
// as the fixture of the mapping tables.
#include <windows.h>

// Control ids of the dialog's children, one per case.
enum TRawDialogItem : int {
    rdPush = 100,
    rdDefPush,
    rdPushBox,
    rdSplit,
    rdCommandLink,
    rdCheck,
    rdThreeState,
    rdRadio,
    rdGroup,
    rdOwnerDraw,
    rdBitmapButton,
    rdDropDown,
    rdSimpleCombo,
    rdComboEx,
    rdVertScroll,
    rdSizeGrip,
    rdTree,
    rdEdit,
    rdTabs,
    rdOwnerDrawTabs,
    rdToolbar,
    rdStatic,
    rdProgress,
    rdNested, // the nested child dialog
};

// Opens the dialog modelessly (owned by `owner`); destroy it with
// DestroyWindow. Null when the platform refused it.
HWND OpenRawDialog(HWND owner);
// Runs it modally until closed.
void RunRawDialog(HWND owner);
