// The frame's paint path on a shown skinned window frees what it makes:
// with the GDI handle table nearly full, hundreds of frame paints, caption
// hovers and activation changes still leave the same room. (Wine keeps no
// per-process count of GDI objects; running out is what shows a leak.)
#include "support/skin_form_fixture.h"

#include "support/gdi_handles.h"

namespace {

// One round of what a user's pointer and other windows do to the frame.
void FrameWorkout(HWND window, int i, const RECT& outer) {
    SendMessageW(window, WM_NCACTIVATE, i % 2, 0);
    SendMessageW(window, WM_NCPAINT, 1, 0);
    const LPARAM caption = MAKELPARAM(outer.left + 40 + i % 50, outer.top + 10);
    SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, caption);
    const LPARAM closeButton = MAKELPARAM(outer.right - 12, outer.top + 10);
    SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, closeButton);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

} // namespace

TEST_F(SkinFormTest, FramePaintsOnScreenLeaveNoGdiObjectsBehind) {
    SkinOn();
    ASSERT_TRUE(Skinned(main_));
    ASSERT_TRUE(IsWindowVisible(main_));
    RECT outer{};
    GetWindowRect(main_, &outer);
    for (int i = 0; i < 4; ++i)
        FrameWorkout(main_, i, outer); // first paints set up lasting caches
    Pump();
    THandleFiller filler(100);
    ASSERT_TRUE(RoomFor(50));
    for (int i = 0; i < 300; ++i)
        FrameWorkout(main_, i, outer);
    Pump();
    EXPECT_TRUE(RoomFor(50));
    // The engine still paints: the frame has its caption, not a blank.
    const auto pixels = PaintedFrame(main_);
    const SIZE size = WindowSize(main_);
    const COLORREF middle = pixels[static_cast<size_t>(10) * size.cx + size.cx / 2];
    EXPECT_NE(middle, RGB(0, 0, 0));
}
