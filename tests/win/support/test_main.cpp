// Entry of every Windows test program: the process is set up the way the
// real program sets itself up (common controls v6 classes, OLE for the
// hosted browser) before GoogleTest runs the cases, with a trash folder of
// its own (private_trash.h), and no message box left unanswered holds the
// program until the run's time-out.
#include "support/private_trash.h"
#include "support/stray_box_guard.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    OleInitialize(nullptr);
    PrivateTrash();
    testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        TStrayBoxGuard strayBoxes;
        result = RUN_ALL_TESTS();
    }
    OleUninitialize();
    return result;
}
